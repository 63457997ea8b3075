#include "input/input_state.h"

namespace kwarel {

void Shop::clear() {
    machines.count = 0;
    benders.count = 0;
    bendCapabilities.count = 0;
    materialCapabilities.count = 0;
    tubeData.count = 0;
}

void Shop::release() {
    machines.release();
    benders.release();
    bendCapabilities.release();
    materialCapabilities.release();
    tubeData.release();
}

void CutPieceFile::clear() {
    cutPieces.count = 0;
    pipeBends.count = 0;
}

void CutPieceFile::release() {
    cutPieces.release();
    pipeBends.release();
}

}  // namespace kwarel
