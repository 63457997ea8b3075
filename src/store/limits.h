// Table limits shared by the rooms: how many bends a cut piece may have, and
// the sizes of the run tables and report buffers built on that.
#pragma once

namespace kwarel {

constexpr int kMaxBends = 20;
constexpr int kMaxPositions = 2 * kMaxBends + 1;  // 41 entries per run row
constexpr int kMaxKeptPerPosition = 50;
constexpr int kMaxCandidates = 50;
constexpr int kTriedRows = 100;
constexpr int kTriedRowsSearched = 50;  // the duplicate search reads only these
constexpr int kMaxSelected = 50;        // most runs chosen for one cut piece, and most programs asked for
constexpr int kMaxCutEntries = kMaxBends;
constexpr int kMaxClashLines = 10;
constexpr int kClashLineWidth = 200;
constexpr int kMaxSamples = 300;
constexpr int kLineBuffer = 200;  // line buffer of the database and cut-piece readers

}  // namespace kwarel
