// Checks of the cut-piece file's lines, made while the reader reads them
// when it is given a diagnostics sink. The check follows the reader's rules
// on its own copy of the line: it changes nothing the reader does.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "input/diagnostics.h"

namespace kwarel {

struct CutPieceCheck {
    CutPieceCheck(Diagnostics& sink, std::string name) : diagnostics(sink), file(std::move(name)) {}

    Diagnostics& diagnostics;
    std::string file;
    LineCounter lines;
    bool inHeader = false;
    bool pieceOpen = false;       // a /CUT began a piece
    int32_t pieceLine = 0;        // its /CUT line
    int32_t finishes = 0;         // FINISH lines since that /CUT
    int32_t bendsInPiece = 0;     // bend lines since that /CUT
    int32_t finishLine = 0;       // the last FINISH line of the piece
    std::string cutId, spoolId;
};

// One piece of a line, as read by the reader (at most 199 characters).
void checkCutPieceLine(CutPieceCheck& check, std::FILE* stream, const char* piece);

// After the last line read (the end of the file or /END).
void finishCutPieceCheck(CutPieceCheck& check);

}  // namespace kwarel
