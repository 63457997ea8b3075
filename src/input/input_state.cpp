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

bool Shop::appendFailed() const {
    return machines.appendFailed || benders.appendFailed || bendCapabilities.appendFailed ||
           materialCapabilities.appendFailed || tubeData.appendFailed;
}

void Shop::forgetAppendFailures() {
    machines.appendFailed = false;
    benders.appendFailed = false;
    bendCapabilities.appendFailed = false;
    materialCapabilities.appendFailed = false;
    tubeData.appendFailed = false;
}

void CutPieceFile::clear() {
    cutPieces.count = 0;
    pipeBends.count = 0;
}

void CutPieceFile::release() {
    cutPieces.release();
    pipeBends.release();
}

bool CutPieceFile::appendFailed() const { return cutPieces.appendFailed || pipeBends.appendFailed; }

void CutPieceFile::forgetAppendFailures() {
    cutPieces.appendFailed = false;
    pipeBends.appendFailed = false;
}

}  // namespace kwarel
