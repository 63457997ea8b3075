// Fixed-layout records of the ten record lists and the RecordList template.
//
// Every record type is plain data. Code never works on a list entry in place:
// it loads entry i into the list's `current` slot, reads or changes the slot,
// and stores the slot back (or appends a new entry and stores into it).
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace kwarel {

// Copies a NUL-terminated text into a fixed-width field, truncating it to the
// field's width minus the terminator. Never reads or writes past either side.
template <std::size_t N>
inline void copyText(char (&field)[N], const char* text) {
    std::size_t i = 0;
    if (text != nullptr) {
        for (; i + 1 < N && text[i] != '\0'; ++i) field[i] = text[i];
    }
    field[i] = '\0';
}

struct MachineRecord {
    char name[12];
    int32_t priority;
    char benderNames[32];
    int16_t hand;
    int32_t maxPipeLength;
    int32_t maxBendAngle;
    int32_t machineHeight;
    int16_t hasPit;
    int32_t pitDepth;
    int32_t pitRadius;
    int32_t frontRadius;
    int32_t bodyHalfWidth;
    int32_t leftWall;
    int32_t rightWall;
    int32_t frontWall;
    int32_t backWall;
    int32_t ceilingHeight;
};

struct BenderRecord {
    char name[12];
    int32_t priority;
    int32_t minFirstStraight;
    int32_t minMiddleStraight;
    int32_t minLastStraight;
};

struct BendCapabilityRecord {
    char benderName[16];
    double nominalBore;
    int32_t auxValue;
    int32_t bendRadius;
    int32_t radiusUnits;
};

struct MaterialCapabilityRecord {
    char benderName[11];
    char materialSpec[21];
    int32_t minWallThickness;
    int32_t maxWallThickness;
    int16_t mandrel;
    int32_t thicknessUnits;
};

struct TubeDataRecord {
    char itemCode[32];
    double nominalBore;
    char materialSpec[24];
    int32_t wallThickness;
    int32_t outsideDiameter;
    int32_t maxDeliveryLength;
    int32_t springbackAngle;
    int32_t stretchPercent;
    int32_t weldShrinkage;
    int32_t sizeUnits;
};

// Values of CutPieceRecord::failed: the piece can be planned, it cannot be
// made (failureText says why), or it has no bends to make.
constexpr int32_t kPieceFine = 0;
constexpr int32_t kPieceFailed = 1;
constexpr int32_t kPieceStraight = 2;

struct CutPieceRecord {
    char cutId[31];
    char spoolId[31];
    char pipingSpec[21];
    char itemCode[31];
    char startEndType[11];
    char finishEndType[11];
    double nominalBore;
    int32_t wallThickness;
    int32_t outsideDiameter;
    int32_t maxDeliveryLength;
    int32_t springbackAngle;
    int32_t stretchPercent;
    int32_t weldShrinkage;
    double startX, startY, startZ;
    double finishX, finishY, finishZ;
    int32_t bendCount;
    int32_t devLength;
    int32_t failed;
    char failureText[100];
};

struct PipeBendRecord {
    char cutId[31];
    char spoolId[33];
    double bendX, bendY, bendZ;
    int32_t bendAngle;
    int32_t bendRadius;
};

// Step types of a BendStepRecord.
constexpr int16_t kStraight = 1;
constexpr int16_t kBend = 2;

struct BendStepRecord {
    char cutId[31];
    char spoolId[31];
    double length;
    int16_t stepType;
    int32_t bendAngle;
    int32_t bendRadius;
    double directionX, directionY, directionZ;
};

struct BendOptionRecord {
    char cutId[31];
    char spoolId[31];
    int32_t stepIndex;
    int32_t machineIndex;
    int32_t benderIndex;
    int16_t direction;
    int16_t hand;
    int32_t rotation;
    int32_t extraBefore;
    int32_t extraAfter;
    int32_t priorityValue;
    int16_t positionRole;
};

// Piece types of a PipeShapeRecord.
constexpr int16_t kStraightPiece = 1;
constexpr int16_t kArcPiece = 2;

// Hands of a machine and of an option: a machine with kBothHands takes
// options of either hand.
constexpr int16_t kLeftHand = 1;
constexpr int16_t kRightHand = 2;
constexpr int16_t kBothHands = 3;

// Directions of an option: the piece bent from its start or from its finish.
constexpr int16_t kFromStart = 1;
constexpr int16_t kFromFinish = 2;

struct PipeShapeRecord {
    int16_t pieceType;  // kStraightPiece or kArcPiece
    double startX, startY, startZ;
    double endX, endY, endZ;
    double centreX, centreY, centreZ;
    int32_t arcAngle;
};

// A list of records of one type with its current-record slot.
//
// Entries are held contiguously, so load(i) and store(i) cost O(1); the
// observable behaviour is that of a chain walked by index: out-of-range
// indexes are refused and change nothing, append adds an entry whose
// contents are not set, clear drops every entry.
template <typename Record>
struct RecordList {
    int32_t count = 0;
    Record current{};
    std::vector<Record> entries;
    // Set on a planning thread's list that reads and writes the entries of
    // the job's list (see viewOf) with a slot of its own; null otherwise.
    std::vector<Record>* shared = nullptr;
    // Set when an append found no memory; stays set until cleared by the
    // driver when the next job starts (clear and release keep it), so the
    // job can end with its memory status instead of printing what the
    // producers made of the lost record.
    bool appendFailed = false;

    std::vector<Record>& storage() { return shared != nullptr ? *shared : entries; }
    const std::vector<Record>& storage() const { return shared != nullptr ? *shared : entries; }

    // Adds one entry at the end. Returns 1, or 0 when no memory could be had
    // (a view never adds: its entries belong to another list).
    int append() {
        if (shared != nullptr) return 0;
        try {
            if (static_cast<std::size_t>(count) < entries.size()) {
                entries[static_cast<std::size_t>(count)] = Record{};
            } else {
                entries.emplace_back();
            }
        } catch (...) {
            appendFailed = true;
            return 0;
        }
        ++count;
        return 1;
    }

    int load(int32_t index) {
        if (index < 0 || index >= count) return 0;
        current = storage()[static_cast<std::size_t>(index)];
        return 1;
    }

    int store(int32_t index) {
        if (index < 0 || index >= count) return 0;
        storage()[static_cast<std::size_t>(index)] = current;
        return 1;
    }

    // Drops every entry; the storage is kept for the next job or cut piece.
    // A view lets go of the entries it was looking at.
    int clear() {
        count = 0;
        shared = nullptr;
        entries.clear();
        return 0;
    }

    // Drops every entry and returns the storage.
    void release() {
        count = 0;
        shared = nullptr;
        std::vector<Record>().swap(entries);
    }

    // Makes this list a view of `other`'s entries, with its own slot.
    void viewOf(RecordList& other) {
        std::vector<Record>().swap(entries);
        shared = &other.storage();
        count = other.count;
    }

    // Read-only access to an entry without going through the slot; callers
    // must keep 0 <= index < count.
    const Record& at(int32_t index) const { return storage()[static_cast<std::size_t>(index)]; }
    Record& at(int32_t index) { return storage()[static_cast<std::size_t>(index)]; }

    // Sets the whole slot to zero bytes, as producers do before filling it.
    void zeroCurrent() { std::memset(static_cast<void*>(&current), 0, sizeof(Record)); }
};

}  // namespace kwarel
