#include "prepare/resolve.h"

#include <cstdio>

#include "store/text.h"

namespace kwarel {

const std::vector<int32_t>& bendsOfCutPiece(JobState& state, const char* cutId, const char* spoolId) {
    // The index is rebuilt whenever the pipe bend list has another size than
    // the one it was built for; within a job the list only grows while the
    // cut-piece file is read.
    if (state.bendsIndexedCount != state.pipeBends.count) {
        state.bendsByKey.clear();
        for (int32_t i = 0; i < state.pipeBends.count; ++i) {
            const PipeBendRecord& bend = state.pipeBends.at(i);
            state.bendsByKey[cutPieceKey(bend.cutId, bend.spoolId)].push_back(i);
        }
        state.bendsIndexedCount = state.pipeBends.count;
    }
    static const std::vector<int32_t> none;
    auto it = state.bendsByKey.find(cutPieceKey(cutId, spoolId));
    return it == state.bendsByKey.end() ? none : it->second;
}

void markCutPieceFailed(JobState& state, int32_t index, const char* text) {
    CutPieceRecord& piece = state.cutPieces.current;
    piece.failed = 1;
    copyText(piece.failureText, text);
    state.cutPieces.store(index);
}

int32_t resolveCutPieceItem(JobState& state, int32_t index) {
    if (!state.cutPieces.load(index)) return 0;
    CutPieceRecord& piece = state.cutPieces.current;

    piece.bendCount = static_cast<int32_t>(bendsOfCutPiece(state, piece.cutId, piece.spoolId).size());

    const TubeDataRecord* match = nullptr;
    for (int32_t i = 0; i < state.tubeData.count; ++i) {
        const TubeDataRecord& tube = state.tubeData.at(i);
        if (equalsNoCase(tube.itemCode, piece.itemCode) && tube.nominalBore == piece.nominalBore &&
            tube.sizeUnits == state.lengthUnits) {
            match = &tube;
            break;
        }
    }

    if (match == nullptr) {
        piece.failed = 1;
        std::snprintf(piece.failureText, sizeof piece.failureText, "Itemcode %s not found in database.",
                      piece.itemCode);
        state.cutPieces.store(index);
        return 0;
    }
    if (!equalsNoCase(match->materialSpec, piece.pipingSpec)) {
        piece.failed = 1;
        std::snprintf(piece.failureText, sizeof piece.failureText, "Inconsistent material spec on item %s",
                      match->itemCode);
        state.cutPieces.store(index);
        return 0;
    }

    piece.wallThickness = match->wallThickness;
    piece.outsideDiameter = match->outsideDiameter;
    piece.maxDeliveryLength = match->maxDeliveryLength;
    piece.springbackAngle = match->springbackAngle;
    piece.stretchPercent = match->stretchPercent;
    piece.weldShrinkage = match->weldShrinkage;

    if (piece.bendCount == 0) {
        if (piece.maxDeliveryLength < piece.devLength) {
            piece.failed = 1;
            copyText(piece.failureText, "Straight pipe exceeds max delivery length.");
        } else {
            piece.failed = 2;
            copyText(piece.failureText, "No bends present in cut piece.");
        }
    }
    state.cutPieces.store(index);
    return 0;
}

}  // namespace kwarel
