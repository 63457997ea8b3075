#include "prepare/resolve.h"

#include <cstdio>

#include "store/text.h"

namespace kwarel {

const std::vector<int32_t>& bendsOfCutPiece(PrepareState& prep, const CutPieceFile& file, const char* cutId,
                                            const char* spoolId) {
    // The index is rebuilt whenever the pipe bend list has another size than
    // the one it was built for; within a job the list only grows while the
    // cut-piece file is read.
    if (prep.bendsIndexedCount != file.pipeBends.count) {
        prep.bendsByKey.clear();
        for (int32_t i = 0; i < file.pipeBends.count; ++i) {
            const PipeBendRecord& bend = file.pipeBends.at(i);
            prep.bendsByKey[cutPieceKey(bend.cutId, bend.spoolId)].push_back(i);
        }
        prep.bendsIndexedCount = file.pipeBends.count;
    }
    static const std::vector<int32_t> none;
    auto it = prep.bendsByKey.find(cutPieceKey(cutId, spoolId));
    return it == prep.bendsByKey.end() ? none : it->second;
}

void markCutPieceFailed(CutPieceFile& file, int32_t index, const char* text) {
    CutPieceRecord& piece = file.cutPieces.current;
    piece.failed = kPieceFailed;
    copyText(piece.failureText, text);
    file.cutPieces.store(index);
}

void resolveCutPieceItem(const Shop& shop, CutPieceFile& file, PrepareState& prep, int32_t index) {
    if (!file.cutPieces.load(index)) return;
    CutPieceRecord& piece = file.cutPieces.current;

    piece.bendCount = static_cast<int32_t>(bendsOfCutPiece(prep, file, piece.cutId, piece.spoolId).size());

    const TubeDataRecord* match = nullptr;
    int32_t matchIndex = -1;
    for (int32_t i = 0; i < shop.tubeData.count; ++i) {
        const TubeDataRecord& tube = shop.tubeData.at(i);
        if (equalsNoCase(tube.itemCode, piece.itemCode) && tube.nominalBore == piece.nominalBore &&
            tube.sizeUnits == file.lengthUnits) {
            match = &tube;
            matchIndex = i;
            break;
        }
    }
    if (prep.observer != nullptr) prep.observer->itemLookedUp(index, matchIndex);

    if (match == nullptr) {
        piece.failed = kPieceFailed;
        std::snprintf(piece.failureText, sizeof piece.failureText, "Itemcode %s not found in database.",
                      piece.itemCode);
        file.cutPieces.store(index);
        return;
    }
    if (!equalsNoCase(match->materialSpec, piece.pipingSpec)) {
        piece.failed = kPieceFailed;
        std::snprintf(piece.failureText, sizeof piece.failureText, "Inconsistent material spec on item %s",
                      match->itemCode);
        file.cutPieces.store(index);
        return;
    }

    piece.wallThickness = match->wallThickness;
    piece.outsideDiameter = match->outsideDiameter;
    piece.maxDeliveryLength = match->maxDeliveryLength;
    piece.springbackAngle = match->springbackAngle;
    piece.stretchPercent = match->stretchPercent;
    piece.weldShrinkage = match->weldShrinkage;

    if (piece.bendCount == 0) {
        if (piece.maxDeliveryLength < piece.devLength) {
            piece.failed = kPieceFailed;
            copyText(piece.failureText, "Straight pipe exceeds max delivery length.");
        } else {
            piece.failed = kPieceStraight;
            copyText(piece.failureText, "No bends present in cut piece.");
        }
    }
    file.cutPieces.store(index);
}

}  // namespace kwarel
