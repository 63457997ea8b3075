// Turns of single points of the formed pipe, kept for the simulations that
// come later on the same thread.
//
// Every bend and rotation step turns every point of the formed pipe about a
// centre by a whole number of degrees: an arctangent for the point's
// direction angle, then a sine and cosine of the new angle. The point it
// gives depends on nothing but the point, the centre, the angle and the kind
// of turn (a rotation about the feed line, or a bend of the left or of the
// other hand). The runs of one cut piece turn the same points the same way
// again and again (the same straight rotated from the same pipe, the pieces
// formed last in runs that differ earlier, runs that differ only in the
// machine, whose room does not move the pipe), so each turn is kept by the
// exact bits of all of these, and a turn met again takes the point kept
// instead of computing it: the same bits in give the same bits out.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>

namespace kwarel {

// The kinds of turn, as the slots tell them apart (0 marks an empty slot).
enum class TurnKind : int32_t { Rotation = 1, BendLeft = 2, BendOther = 3 };

// One turn: of the point (u, v) about (cu, cv) by `angle` degrees, giving
// (outU, outV).
struct alignas(64) PointTurn {
    double u, v, cu, cv;
    int32_t angle;
    int32_t kind;
    double outU, outV;
};

// Direct-mapped: a turn's slot follows from its bits, and a new turn
// replaces whatever its slot held. The slots are allocated on first use;
// without memory for them every turn is computed.
class PointTurns {
public:
    static constexpr int kSlotBits = 18;  // 262,144 slots of 64 bytes: 16 MB per planning thread
    // The table starts with 2^12 slots (256 KB) and grows fourfold, up to
    // 2^slotBits, each time the turns computed since it was made reach twice
    // its slots. A small job thus clears a small table: a hash spreads even
    // a few thousand turns over every page of a large one, and on a virtual
    // machine the first touch of each page cost about 12 us (the whole 16 MB
    // about 50 ms, most of the time of a small clash-checked job).
    static constexpr int kFirstSlotBits = 12;

    // At most 2^slotBits slots (1 to 30; kSlotBits unless set). The number
    // of slots decides only how many turns are kept, never a point.
    void setSlotBits(int slotBits) {
        release();
        slotBits_ = slotBits < 1 ? 1 : slotBits > 30 ? 30 : slotBits;
    }
    int slotBits() const { return slotBits_; }
    // The bits of the table as it is now (0 before its first use).
    int slotBitsInUse() const { return slots_ ? bitsInUse_ : 0; }

    // The centre, angle and kind of the turns of one motion step.
    struct Step {
        double cu, cv;
        int32_t angle;
        int32_t kind;
        uint64_t seed;
    };
    static Step step(TurnKind kind, double cu, double cv, int32_t angle) {
        Step s{cu, cv, angle, static_cast<int32_t>(kind), 0};
        s.seed = mix(mix(mix(bits(cu), bits(cv)), static_cast<uint64_t>(static_cast<uint32_t>(angle))),
                     static_cast<uint64_t>(s.kind));
        return s;
    }

    // Whether the slots can be used (allocating them on first use, and a
    // larger table once twice its slots have been computed). Called before the
    // slots of a step are looked up, so that none of them moves.
    bool ready() {
        if (slots_ && bitsInUse_ < slotBits_ && computed - computedBefore_ >= (int64_t{2} << bitsInUse_)) {
            grow();
        }
        return slots_ || (!unavailable_ && allocate());
    }

    // The slot of the turn of (u, v), asked for ahead of its use so that the
    // slots of all the points of a step are fetched from memory together.
    std::size_t slotOf(const Step& s, double u, double v) const {
        const std::size_t slot = mix(mix(s.seed, bits(u)), bits(v)) >> (64 - bitsInUse_);
        __builtin_prefetch(&slots_[slot]);
        return slot;
    }

    // Takes the point a turn of (u, v) with the very same inputs gave, when
    // the slot holds one; `slot` is slotOf(s, u, v).
    bool take(std::size_t slot, const Step& s, double& u, double& v) {
        const PointTurn& kept = slots_[slot];
        if (kept.kind == s.kind && kept.angle == s.angle && same(kept.u, u) && same(kept.v, v) &&
            same(kept.cu, s.cu) && same(kept.cv, s.cv)) {
            u = kept.outU;
            v = kept.outV;
            ++hits;
            return true;
        }
        return false;
    }

    // Keeps the turn of (u, v) to (outU, outV) in its slot, in place of
    // whatever the slot held.
    void keep(std::size_t slot, const Step& s, double u, double v, double outU, double outV) {
        PointTurn& kept = slots_[slot];
        kept.u = u, kept.v = v, kept.cu = s.cu, kept.cv = s.cv, kept.angle = s.angle, kept.kind = s.kind;
        kept.outU = outU, kept.outV = outV;
        ++computed;
    }

    // Gives the slots' memory back; the next turn tries to allocate again.
    void release() {
        slots_.reset();
        unavailable_ = false;
        bitsInUse_ = 0;
    }

    // Turns taken from a slot, turns computed and kept, and turns computed
    // and not kept (a rotation's pieces no longer looked up), for the
    // benchmarks.
    int64_t hits = 0;
    int64_t computed = 0;
    int64_t notKept = 0;

private:
    static uint64_t bits(double x) {
        uint64_t b;
        std::memcpy(&b, &x, sizeof b);
        return b;
    }
    static bool same(double a, double b) { return bits(a) == bits(b); }
    static uint64_t mix(uint64_t h, uint64_t x) {
        h = (h ^ x) * 0x9E3779B97F4A7C15ull;
        return h ^ (h >> 31);
    }
    bool allocate();
    void grow();

    std::unique_ptr<PointTurn[]> slots_;
    int slotBits_ = kSlotBits;
    int bitsInUse_ = 0;
    int64_t computedBefore_ = 0;  // `computed` when the present table was made
    bool unavailable_ = false;  // the allocation failed: compute every turn
};

}  // namespace kwarel
