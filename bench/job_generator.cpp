#include "job_generator.h"

#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace kwarel::bench {
namespace {

// ---------------------------------------------------------------------------
// Random numbers: splitmix64, so that a seed gives the same job everywhere.

struct Random {
    uint64_t state;

    explicit Random(uint64_t seed) : state(seed) {}

    uint64_t next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform integer in [lo, hi].
    int32_t between(int32_t lo, int32_t hi) {
        return lo + static_cast<int32_t>(next() % static_cast<uint64_t>(hi - lo + 1));
    }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    // Index drawn with the given weights.
    template <std::size_t N>
    int32_t weighted(const int32_t (&weights)[N]) {
        int32_t total = 0;
        for (int32_t w : weights) total += w;
        int32_t pick = between(0, total - 1);
        for (std::size_t i = 0; i < N; ++i) {
            if (pick < weights[i]) return static_cast<int32_t>(i);
            pick -= weights[i];
        }
        return static_cast<int32_t>(N - 1);
    }
};

uint64_t mixSeed(uint64_t seed, uint64_t stream) {
    Random r(seed ^ (stream * 0xD1B54A32D192ED03ull));
    r.next();
    return r.next();
}

// ---------------------------------------------------------------------------
// The shop: bores, materials, benders and machines.

constexpr double kPi = 3.14159265358979323846;

struct Bore {
    const char* databaseText;  // as the database writes the bore
    const char* cutText;       // as the isometric system writes it
    const char* itemSuffix;
    double outsideDiameter;    // mm
};

constexpr Bore kBores[] = {
    {"1", "1", "1IN", 33.4},   {"1.5", "1.1/2", "1.5IN", 48.3}, {"2", "2", "2IN", 60.3},
    {"3", "3", "3IN", 88.9},   {"4", "4", "4IN", 114.3},        {"6", "6", "6IN", 168.3},
};
constexpr int32_t kBoreCount = 6;
constexpr double kBoreInches[kBoreCount] = {1.0, 1.5, 2.0, 3.0, 4.0, 6.0};
constexpr int32_t kBoreWeights[kBoreCount] = {10, 15, 30, 20, 15, 10};

struct Material {
    const char* pipingSpec;
    const char* itemPrefix;
    double wall[kBoreCount];  // mm
    int32_t deliveryLength;   // mm
    int32_t springback;       // degrees
    int32_t stretchPercent;
    const char* weldShrinkage;  // mm
};

constexpr Material kMaterials[] = {
    {"CS150", "PCS150-", {3.38, 3.68, 3.91, 5.49, 6.02, 7.11}, 12000, 2, 1, "1.5"},
    {"CS300", "PCS300-", {4.55, 5.08, 5.54, 7.62, 8.56, 10.97}, 12000, 2, 1, "1.5"},
    {"SS10", "PSS10-", {2.77, 2.77, 2.77, 3.05, 3.05, 3.40}, 6000, 3, 2, "2.0"},
};
constexpr int32_t kMaterialCount = 3;
constexpr int32_t kMaterialWeights[kMaterialCount] = {60, 25, 15};

// Bend radii: 3 and 5 times the nominal bore.
constexpr int32_t kRadiusFactors[2] = {3, 5};
constexpr int32_t kRadiusWeights[2] = {70, 30};

struct Bender {
    const char* name;
    int32_t priority;
    int32_t minFirst, minMiddle, minLast;  // mm
    uint32_t bores;                        // bit b: kBores[b]
    uint32_t radii;                        // bit 0: 3D, bit 1: 5D
    bool stainless;                        // has the mandrel for thin stainless
};

constexpr Bender kBenders[] = {
    {"B-S1", 8, 120, 40, 120, 0b000111, 0b11, true},
    {"B-S2", 6, 150, 50, 150, 0b001111, 0b01, false},
    {"B-M1", 7, 200, 80, 200, 0b011100, 0b11, true},
    {"B-M2", 5, 250, 100, 250, 0b111000, 0b01, false},
    {"B-L1", 6, 350, 150, 350, 0b110000, 0b11, true},
    {"B-X1", 3, 300, 120, 300, 0b111111, 0b10, true},
};
constexpr int32_t kMaxBenders = 6;

struct Machine {
    const char* name;
    int32_t priority;
    int32_t benders[3];  // indexes into kBenders, -1 = none
    int32_t hand;
    int32_t maxPipeLength;  // mm
    int32_t maxBendAngle;
    int32_t machineHeight;
    int32_t hasPit, pitDepth, pitRadius;
    int32_t frontRadius, bodyHalfWidth;
    int32_t leftWall, rightWall, frontWall, backWall, ceilingHeight;
};

// Rooms of a few metres around each machine (ceiling height is measured from
// the top of the machine). M06, M07 and M10 stand in tight rooms: low
// ceilings and near walls that long pipes swinging round will reach.
constexpr Machine kMachines[] = {
    {"M01", 9, {0, 1, -1}, 3, 12000, 180, 1000, 0, 0, 0, 350, 450, 4000, 4000, 6000, 14000, 4000},
    {"M02", 8, {2, 3, -1}, 3, 12000, 180, 1100, 1, 1500, 3500, 450, 600, 5000, 5000, 7000, 15000, 5000},
    {"M03", 6, {0, 2, 5}, 2, 12000, 180, 1050, 0, 0, 0, 400, 500, 3000, 3500, 5000, 13000, 3500},
    {"M04", 6, {1, 3, -1}, 1, 12000, 180, 1050, 0, 0, 0, 400, 500, 3500, 3000, 5000, 13000, 3500},
    {"M05", 7, {4, 3, 2}, 3, 12000, 180, 1200, 1, 2000, 4000, 500, 700, 5000, 5000, 8000, 16000, 5000},
    {"M06", 5, {0, 1, 5}, 3, 12000, 180, 950, 0, 0, 0, 350, 450, 1500, 1500, 2500, 9000, 1200},
    {"M07", 4, {2, 4, -1}, 3, 12000, 180, 1100, 0, 0, 0, 450, 600, 3000, 3000, 6000, 14000, 1500},
    {"M08", 5, {5, 0, -1}, 2, 6000, 120, 900, 0, 0, 0, 300, 400, 3000, 3000, 4000, 8000, 3000},
    {"M09", 3, {3, 4, 5}, 3, 12000, 180, 1200, 1, 1800, 3500, 500, 700, 4500, 4500, 7000, 15000, 4500},
    {"M10", 2, {1, 2, 4}, 3, 12000, 180, 1000, 0, 0, 0, 400, 500, 1800, 1800, 5000, 12000, 2500},
};
constexpr int32_t kMaxMachines = 10;

// ---------------------------------------------------------------------------
// Text output.

struct Writer {
    std::string text;

    Writer& put(const char* s) {
        text += s;
        return *this;
    }
    Writer& put(const std::string& s) {
        text += s;
        return *this;
    }
    Writer& put(int64_t v) {
        text += std::to_string(v);
        return *this;
    }
    // A length or coordinate in mm, rounded to tenths with integer arithmetic.
    Writer& tenths(double mm) {
        const long long t = std::llround(mm * 10.0);
        const long long a = t < 0 ? -t : t;
        if (t < 0) text += '-';
        text += std::to_string(a / 10);
        text += '.';
        text += static_cast<char>('0' + a % 10);
        return *this;
    }
    Writer& line() {
        text += '\n';
        return *this;
    }
};

void writeFile(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw std::runtime_error("cannot write " + path);
    const bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !ok) throw std::runtime_error("cannot write " + path);
}

// Radius of a bend in mm, as both files write it (one decimal).
double bendRadiusMm(int32_t bore, int32_t radiusFactor) {
    return std::round(kBoreInches[bore] * 25.4 * radiusFactor * 10.0) / 10.0;
}

bool benderAvailable(const JobRecipe& recipe, int32_t bender) { return bender >= 0 && bender < recipe.benders; }

bool benderMakes(int32_t bender, int32_t bore, int32_t radiusSlot) {
    return (kBenders[bender].bores >> bore & 1u) != 0 && (kBenders[bender].radii >> radiusSlot & 1u) != 0;
}

// ---------------------------------------------------------------------------
// The database.

std::string databaseText(const JobRecipe& recipe) {
    Writer w;
    w.put("* Bender database written by the kwarel job generator").line();
    w.put("UNITS MM").line().line();

    w.put("STARTMACHINE").line();
    for (int32_t m = 0; m < recipe.machines; ++m) {
        const Machine& machine = kMachines[m];
        std::string names;
        for (int32_t b : machine.benders) {
            if (!benderAvailable(recipe, b)) continue;
            if (!names.empty()) names += ',';
            names += kBenders[b].name;
        }
        // Every machine carries at least one of the available benders.
        if (names.empty()) names = kBenders[m % recipe.benders].name;
        w.put(machine.name).put("|").put(machine.priority).put("|").put(names).put("|").put(machine.hand);
        for (int32_t v : {machine.maxPipeLength, machine.maxBendAngle, machine.machineHeight, machine.hasPit,
                          machine.pitDepth, machine.pitRadius, machine.frontRadius, machine.bodyHalfWidth,
                          machine.leftWall, machine.rightWall, machine.frontWall, machine.backWall,
                          machine.ceilingHeight}) {
            w.put("|").put(v);
        }
        w.line();
    }
    w.put("ENDMACHINE").line().line();

    w.put("STARTBENDER").line();
    for (int32_t b = 0; b < recipe.benders; ++b) {
        const Bender& bender = kBenders[b];
        w.put(bender.name).put("|").put(bender.priority).put("|").put(bender.minFirst).put("|");
        w.put(bender.minMiddle).put("|").put(bender.minLast).line();
    }
    w.put("ENDBENDER").line().line();

    w.put("STARTBENDCAPABILITY").line();
    for (int32_t b = 0; b < recipe.benders; ++b) {
        for (int32_t bore = 0; bore < kBoreCount; ++bore) {
            for (int32_t slot = 0; slot < 2; ++slot) {
                if (!benderMakes(b, bore, slot)) continue;
                w.put(kBenders[b].name).put("|").put(kBores[bore].databaseText).put("|0|");
                w.tenths(bendRadiusMm(bore, kRadiusFactors[slot])).put("|1").line();
            }
        }
    }
    w.put("ENDBENDCAPABILITY").line().line();

    w.put("STARTMATERIALCAPABILITY").line();
    for (int32_t b = 0; b < recipe.benders; ++b) {
        for (const Material& material : kMaterials) {
            const bool stainless = material.pipingSpec[0] == 'S';
            if (stainless && !kBenders[b].stainless) continue;
            w.put(kBenders[b].name).put("|").put(material.pipingSpec).put("|2.0|12.0|").put(stainless ? "Y" : "N");
            w.put("|1").line();
        }
    }
    w.put("ENDMATERIALCAPABILITY").line().line();

    w.put("STARTTUBEDATA").line();
    for (const Material& material : kMaterials) {
        for (int32_t bore = 0; bore < kBoreCount; ++bore) {
            w.put(material.itemPrefix).put(kBores[bore].itemSuffix).put("|").put(kBores[bore].databaseText);
            w.put("|").put(material.pipingSpec).put("|");
            char wall[16];
            std::snprintf(wall, sizeof wall, "%.2f", material.wall[bore]);
            w.put(wall).put("|").tenths(kBores[bore].outsideDiameter).put("|").put(material.deliveryLength);
            w.put("|").put(material.springback).put("|").put(material.stretchPercent).put("|");
            w.put(material.weldShrinkage).put("|1").line();
        }
    }
    w.put("ENDTUBEDATA").line();
    return w.text;
}

// ---------------------------------------------------------------------------
// Pipe geometry.

struct Vec {
    double x, y, z;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator*(Vec a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec normalized(Vec a) { return a * (1.0 / std::sqrt(dot(a, a))); }
Vec roundedToTenths(Vec a) {
    return {std::llround(a.x * 10.0) / 10.0, std::llround(a.y * 10.0) / 10.0, std::llround(a.z * 10.0) / 10.0};
}

// One cut piece: its item and its points as written.
struct PieceShape {
    int32_t material = 0;
    int32_t bore = 0;
    double radius = 0.0;  // mm
    Vec start{}, finish{};
    std::vector<Vec> bendPoints;
    std::vector<int32_t> angles;  // whole degrees, from the written points
    double developed = 0.0;       // mm
};

struct Minimums {
    double first = 0.0;   // longer of minFirst and minLast: either end may be bent first
    double middle = 0.0;
    double longestMachine = 0.0;
};

Minimums minimumsFor(const JobRecipe& recipe, int32_t bore, int32_t slot) {
    Minimums result;
    for (int32_t b = 0; b < recipe.benders; ++b) {
        if (!benderMakes(b, bore, slot)) continue;
        result.first = std::max({result.first, double(kBenders[b].minFirst), double(kBenders[b].minLast)});
        result.middle = std::max(result.middle, double(kBenders[b].minMiddle));
    }
    for (int32_t m = 0; m < recipe.machines; ++m) {
        result.longestMachine = std::max(result.longestMachine, double(kMachines[m].maxPipeLength));
    }
    return result;
}

// Bend angle: mostly the fittings' 90 and 45 degrees, the rest anywhere from
// 15 to 90.
int32_t drawAngle(Random& r) {
    const int32_t kinds[] = {40, 25, 35};
    switch (r.weighted(kinds)) {
        case 0: return 90;
        case 1: return 45;
        default: return r.between(15, 90);
    }
}

// Builds a pipe of `bends` bends: straights between tangent points drawn well
// above the benders' minimums, each bend turning the pipe by its angle in a
// plane drawn at random about the incoming straight (half of the planes are
// the plant's square planes), bend points at the intersections of the
// straights.
PieceShape buildShape(Random& r, const JobRecipe& recipe, int32_t material, int32_t bore, int32_t slot, int32_t bends) {
    PieceShape shape;
    shape.material = material;
    shape.bore = bore;
    shape.radius = bendRadiusMm(bore, kRadiusFactors[slot]);
    const Minimums mins = minimumsFor(recipe, bore, slot);

    std::vector<int32_t> angles(static_cast<std::size_t>(bends));
    for (int32_t& a : angles) a = drawAngle(r);

    // Straights between tangent points: the ends at least 1.5 times the
    // longest end minimum, the middles at least twice the middle minimum.
    const double od = kBores[bore].outsideDiameter;
    std::vector<double> straights(static_cast<std::size_t>(bends) + 1);
    std::vector<double> low(straights.size());
    for (std::size_t j = 0; j < straights.size(); ++j) {
        const bool end = j == 0 || j + 1 == straights.size();
        low[j] = end ? 1.5 * mins.first : std::max(2.0 * mins.middle, 2.0 * od);
        straights[j] = low[j] + r.range(0.0, end ? 800.0 : 700.0);
    }

    // Keep the developed length within the stock and machine lengths, so
    // that nearly every piece can be made: shrink the straights towards their
    // lows when the sum is too long.
    double arcs = 0.0;
    for (int32_t a : angles) arcs += shape.radius * a * kPi / 180.0;
    const double budget =
        0.9 * std::min(double(kMaterials[material].deliveryLength), mins.longestMachine) - arcs;
    double sum = 0.0, lows = 0.0;
    for (std::size_t j = 0; j < straights.size(); ++j) {
        sum += straights[j];
        lows += low[j];
    }
    if (sum > budget && sum > lows) {
        const double factor = std::max(0.0, (budget - lows) / (sum - lows));
        for (std::size_t j = 0; j < straights.size(); ++j) straights[j] = low[j] + (straights[j] - low[j]) * factor;
    }

    // Walk the pipe: the first straight runs along a plant axis.
    const Vec axes[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    Vec direction = axes[r.between(0, 5)];
    Vec point = {r.range(0.0, 60000.0), r.range(0.0, 60000.0), r.range(1000.0, 12000.0)};
    std::vector<Vec> points;
    points.push_back(point);
    double previousSetback = 0.0;
    for (int32_t k = 0; k < bends; ++k) {
        const double theta = angles[static_cast<std::size_t>(k)] * kPi / 180.0;
        const double setback = shape.radius * std::tan(theta / 2.0);
        point = point + direction * (straights[static_cast<std::size_t>(k)] + previousSetback + setback);
        points.push_back(point);
        previousSetback = setback;

        // Plane of the bend: turn towards w, a unit vector square to the
        // incoming straight at an angle phi about it.
        const Vec helper = std::fabs(direction.x) < 0.6 ? Vec{1, 0, 0} : Vec{0, 1, 0};
        const Vec e1 = normalized(cross(direction, helper));
        const Vec e2 = cross(direction, e1);
        const double phi = (r.between(0, 1) == 0 ? 90.0 * r.between(0, 3) : double(r.between(0, 359))) * kPi / 180.0;
        const Vec w = e1 * std::cos(phi) + e2 * std::sin(phi);
        direction = normalized(direction * std::cos(theta) + w * std::sin(theta));
    }
    point = point + direction * (straights.back() + previousSetback);
    points.push_back(point);

    // What the file holds: points rounded to tenths, and each bend's angle
    // taken back from the written points as the whole-degree angle between
    // the straights that meet there.
    for (Vec& p : points) p = roundedToTenths(p);
    shape.start = points.front();
    shape.finish = points.back();
    shape.developed = 0.0;
    for (int32_t k = 1; k <= bends; ++k) {
        const Vec in = normalized(points[static_cast<std::size_t>(k)] - points[static_cast<std::size_t>(k) - 1]);
        const Vec out = normalized(points[static_cast<std::size_t>(k) + 1] - points[static_cast<std::size_t>(k)]);
        const double c = std::clamp(dot(in, out), -1.0, 1.0);
        shape.bendPoints.push_back(points[static_cast<std::size_t>(k)]);
        shape.angles.push_back(static_cast<int32_t>(std::lround(std::acos(c) * 180.0 / kPi)));
    }
    for (std::size_t j = 0; j < straights.size(); ++j) shape.developed += straights[j];
    shape.developed += arcs;
    return shape;
}

bool boreUsable(const JobRecipe& recipe, int32_t bore, int32_t slot) {
    for (int32_t b = 0; b < recipe.benders; ++b) {
        if (benderMakes(b, bore, slot)) return true;
    }
    return false;
}

// Draws the item of a piece: material, then a bore and radius that some
// available bender makes.
PieceShape drawPiece(Random& r, const JobRecipe& recipe) {
    const int32_t material = r.weighted(kMaterialWeights);
    int32_t bore = r.weighted(kBoreWeights);
    int32_t slot = r.weighted(kRadiusWeights);
    for (int32_t tries = 0; !boreUsable(recipe, bore, slot); ++tries) {
        if (tries > 64) {  // fall back to the smallest bore the first bender makes
            bore = 0;
            slot = (kBenders[0].radii & 1u) != 0 ? 0 : 1;
            break;
        }
        bore = r.weighted(kBoreWeights);
        slot = r.weighted(kRadiusWeights);
    }
    const int32_t bends = r.between(recipe.minBends, recipe.maxBends);
    return buildShape(r, recipe, material, bore, slot, bends);
}

void writePiece(Writer& w, const PieceShape& shape, const char* cutId, Random& r, bool unknownItem = false,
                bool withBends = true) {
    const Material& material = kMaterials[shape.material];
    const Bore& bore = kBores[shape.bore];
    w.put("/CUT").line();
    w.put("CUT-ID ").put(cutId).line();
    if (shape.material != 0) w.put("PIPING-SPEC ").put(material.pipingSpec).line();
    if (unknownItem) {
        w.put("ITEM-CODE NO-SUCH-ITEM").line();
    } else {
        w.put("ITEM-CODE ").put(material.itemPrefix).put(bore.itemSuffix).line();
    }
    w.put("ND ").put(bore.cutText).line();
    const char* ends[] = {"BW", "BW", "FL", "SW"};
    w.put("START-END-TYPE ").put(ends[r.between(0, bore.outsideDiameter < 62 ? 3 : 2)]).line();
    w.put("FINISH-END-TYPE ").put(ends[r.between(0, bore.outsideDiameter < 62 ? 3 : 2)]).line();
    w.put("DEV-LENGTH ").put(static_cast<int64_t>(std::llround(shape.developed))).line();
    w.put("WEIGHT ").tenths(shape.developed * bore.outsideDiameter * 0.00008).line();  // ignored by the reader
    w.put("START ").tenths(shape.start.x).put(" ").tenths(shape.start.y).put(" ").tenths(shape.start.z).line();
    for (std::size_t k = 0; withBends && k < shape.bendPoints.size(); ++k) {
        const Vec& p = shape.bendPoints[k];
        w.put("BEND-").put(static_cast<int64_t>(k + 1)).put(" ").tenths(p.x).put(" ").tenths(p.y).put(" ");
        w.tenths(p.z).put(" ").tenths(shape.radius).put(" ").put(shape.angles[k]).line();
    }
    w.put("FINISH ").tenths(shape.finish.x).put(" ").tenths(shape.finish.y).put(" ").tenths(shape.finish.z).line();
}

std::string parameterText(const GeneratedJob& job, const JobRecipe& recipe) {
    Writer w;
    w.put(job.cutPieceFile).line().put(job.resultFile).line().put(job.databaseFile).line();
    const int64_t values[] = {
        1,  // ALLOW_ADDITIONAL_MATERIAL
        1,  // INCLUDE_BEND_STRETCHING
        1,  // INCLUDE_WELD_SHRINKAGE
        1,  // INCLUDE_BEND_SPRINGBACK
        1,  // USE_MACHINE_PRIORITY
        1,  // USE_BENDER_PRIORITY
        1,  // MACHINE_OVER_BENDER_PRIORITY
        recipe.clashChecking ? 1 : 0,
        recipe.templateLength > 0 ? 1 : 0,  // ADD_TEMPLATE_LENGTH
        recipe.templateLength > 0 ? recipe.templateLength / 10 : 0,  // TEMPLATE_LENGTH (mm)
        recipe.programs,
        1, 1, 1,        // machine, bender and hand change allowed
        1, 2, 3, 4, 5,  // trial criteria ranks
        0, 0,           // no forced machine or bender
    };
    for (int64_t v : values) w.put(v).line();
    return w.text;
}

void checkRecipe(const JobRecipe& recipe) {
    if (recipe.cutPieces < 0 || recipe.minBends < 1 || recipe.maxBends < recipe.minBends || recipe.maxBends > 20 ||
        recipe.machines < 1 || recipe.machines > kMaxMachines || recipe.benders < 1 || recipe.benders > kMaxBenders ||
        recipe.probeBends < 0 || recipe.probeBends > 20) {
        throw std::runtime_error("job recipe out of range");
    }
}

}  // namespace

GeneratedJob writeJob(const std::string& folderName, const JobRecipe& recipe) {
    checkRecipe(recipe);
    std::filesystem::create_directories(folderName);
    // The parameter file names the other files by absolute path, so the job
    // runs from any working directory.
    const std::string folder = std::filesystem::absolute(folderName).lexically_normal().string();
    GeneratedJob job;
    job.folder = folder;
    job.parameterFile = folder + "/params.txt";
    job.databaseFile = folder + "/benders.db";
    job.cutPieceFile = folder + "/cutpieces.txt";
    job.resultFile = folder + "/result.txt";
    // The parameter file holds each path as one word of at most 180 characters.
    for (const std::string* path : {&job.cutPieceFile, &job.resultFile, &job.databaseFile}) {
        if (path->size() > 180 || path->find_first_of(" \t") != std::string::npos) {
            throw std::runtime_error("folder path too long or with blanks: " + folder);
        }
    }

    writeFile(job.databaseFile, databaseText(recipe));

    Writer w;
    w.put("/HEADER").line();
    w.put("PIPELINE BENCH-").put(static_cast<int64_t>(recipe.seed % 100000)).line();
    w.put("DATE 06/12/26").line();
    w.put("UNITS-BORE INCH").line();
    w.put("UNITS-LENGTH MM").line();
    w.put("PIPING-SPEC ").put(kMaterials[0].pipingSpec).line();

    // Spools of one to six cut pieces; piece i depends only on the seed and
    // i, so a larger job begins with the pieces of a smaller one.
    Random spools(mixSeed(recipe.seed, 0));
    int32_t written = 0;  // pieces drawn
    int32_t kept = 0;     // pieces written
    int32_t spoolNumber = 0;
    PieceShape previous;
    Writer leftOut;  // pieces not asked for are drawn alike and written here
    while (written < recipe.cutPieces) {
        const int32_t inSpool = std::min(spools.between(1, 6), recipe.cutPieces - written);
        char spoolId[16];
        std::snprintf(spoolId, sizeof spoolId, "S%05d", ++spoolNumber);
        bool spoolWritten = false;
        for (int32_t c = 1; c <= inSpool; ++c) {
            const bool wanted = recipe.onlyPieces.empty() || std::find(recipe.onlyPieces.begin(),
                                                                       recipe.onlyPieces.end(),
                                                                       written) != recipe.onlyPieces.end();
            Writer& out = wanted ? w : leftOut;
            if (wanted && !spoolWritten) out.put("/SPOOL").line().put("SPOOL-ID ").put(spoolId).line();
            spoolWritten = spoolWritten || wanted;
            if (wanted) ++kept;
            Random r(mixSeed(recipe.seed, static_cast<uint64_t>(written) + 1));
            const PieceShape shape = drawPiece(r, recipe);
            const int32_t number = written + 1;
            const bool duplicate = recipe.duplicateEvery > 0 && c > 1 && number % recipe.duplicateEvery == 0;
            const bool unknownItem = recipe.unknownItemEvery > 0 && number % recipe.unknownItemEvery == 0;
            if (duplicate) {
                // A second FINISH for the piece before: the same keys, ends and
                // item, no bends of its own, so it shares that piece's bends.
                writePiece(out, previous, std::to_string(c - 1).c_str(), r, false, false);
            } else {
                writePiece(out, shape, std::to_string(c).c_str(), r, unknownItem);
                if (wanted) job.bends += static_cast<int32_t>(shape.bendPoints.size());
            }
            previous = shape;
            ++written;
        }
    }
    if (recipe.probeBends > 0) {
        // 2-inch carbon steel at 3D, which the smallest bender makes.
        Random r(0x50524F4245ull);
        const PieceShape shape = buildShape(r, recipe, 0, 2, 0, recipe.probeBends);
        w.put("/SPOOL").line().put("SPOOL-ID PROBE").line();
        writePiece(w, shape, "1", r);
        job.bends += recipe.probeBends;
        job.probeIndex = kept;
    }
    w.put("/END").line();
    writeFile(job.cutPieceFile, w.text);
    job.cutPieces = kept + (recipe.probeBends > 0 ? 1 : 0);

    writeFile(job.parameterFile, parameterText(job, recipe));
    return job;
}

std::string makeTempFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a folder like " + pattern);
    return pattern;
}

}  // namespace kwarel::bench
