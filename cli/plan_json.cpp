#include "plan_json.h"

#include <cstdio>

namespace kwarel::cli {
namespace {

using Json = nlohmann::ordered_json;

Json length(const PlanLength& value) { return Json{{"tenthsMm", value.tenths}, {"text", value.text}}; }

Json step(const PlanStep& s) {
    switch (s.kind) {
        case PlanStep::Kind::Load:
            return Json{{"op", "LOAD"},
                        {"machine", s.machine},
                        {"bender", s.bender},
                        {"hand", std::string(1, s.hand)},
                        {"radius", length(s.radius)},
                        {"mandrel", s.mandrel < 0 ? Json(nullptr) : Json(s.mandrel != 0 ? "ON" : "OFF")},
                        {"free", length(s.free)}};
        case PlanStep::Kind::Feed: return Json{{"op", "FEED"}, {"length", length(s.feed)}};
        case PlanStep::Kind::Rotation:
            return Json{{"op", "ROTATION"}, {"degrees", s.degrees}, {"sense", s.counterClockwise ? "CCW" : "CW"}};
        case PlanStep::Kind::ChangeRadius: return Json{{"op", "CHANGE_RADIUS"}, {"radius", length(s.radius)}};
        case PlanStep::Kind::Bend: return Json{{"op", "BEND"}, {"degrees", s.degrees}};
        case PlanStep::Kind::Unload: break;
    }
    return Json{{"op", "UNLOAD"}};
}

Json run(const PlanRun& r) {
    Json cuts = Json::array();
    for (const PlanCut& cut : r.cuts) cuts.push_back(Json{{"cut", cut.number}, {"length", length(cut.length)}});
    Json program = Json::array();
    for (const PlanStep& s : r.steps) program.push_back(step(s));
    return Json{{"run", r.number},
                {"score", r.score},
                {"pipeLength", length(r.pipeLength)},
                {"startPlay", length(r.startPlay)},
                {"endPlay", length(r.endPlay)},
                {"cuts", cuts},
                {"machinesUsed", r.machinesUsed},
                {"bendersUsed", r.bendersUsed},
                {"direction", r.direction},
                {"startType", r.hasStartType ? Json(r.startType) : Json(nullptr)},
                {"program", program}};
}

const char* units(int32_t code) { return code == 2 ? "INCH" : "MM"; }

}  // namespace

PlanJson::PlanJson(std::string parameterFile) {
    document_ = Json{{"format", "kwarel-plan"},
                     {"formatVersion", 1},
                     {"parameterFile", std::move(parameterFile)},
                     {"files", nullptr},
                     {"options", nullptr},
                     {"header", nullptr},
                     {"cutPieces", Json::array()},
                     {"status", nullptr},
                     {"errorText", nullptr}};
}

void PlanJson::optionsRead(const JobOptions& o, const char* cutPieceFile, const char* resultFile,
                           const char* databaseFile) {
    document_["files"] = Json{{"cutPieceFile", cutPieceFile}, {"resultFile", resultFile}, {"databaseFile", databaseFile}};
    auto flag = [](int32_t value) { return value != 0; };
    document_["options"] = Json{
        {"ALLOW_ADDITIONAL_MATERIAL", flag(o.ALLOW_ADDITIONAL_MATERIAL)},
        {"INCLUDE_BEND_STRETCHING", flag(o.INCLUDE_BEND_STRETCHING)},
        {"INCLUDE_WELD_SHRINKAGE", flag(o.INCLUDE_WELD_SHRINKAGE)},
        {"INCLUDE_BEND_SPRINGBACK", flag(o.INCLUDE_BEND_SPRINGBACK)},
        {"USE_MACHINE_PRIORITY", flag(o.USE_MACHINE_PRIORITY)},
        {"USE_BENDER_PRIORITY", flag(o.USE_BENDER_PRIORITY)},
        {"MACHINE_OVER_BENDER_PRIORITY", flag(o.MACHINE_OVER_BENDER_PRIORITY)},
        {"DO_CLASH_CHECKING", flag(o.DO_CLASH_CHECKING)},
        {"NUMBER_OF_PROGRAMS", o.NUMBER_OF_PROGRAMS},
        {"ADD_TEMPLATE_LENGTH", flag(o.ADD_TEMPLATE_LENGTH)},
        {"TEMPLATE_LENGTH_MM", o.TEMPLATE_LENGTH / 10},
        {"ALLOW_MACHINE_CHANGE", flag(o.ALLOW_MACHINE_CHANGE)},
        {"ALLOW_BENDER_CHANGE", flag(o.ALLOW_BENDER_CHANGE)},
        {"ALLOW_HAND_CHANGE", flag(o.ALLOW_HAND_CHANGE)},
        {"TRIAL_CRITERIA", Json(std::vector<int32_t>(o.TRIAL_CRITERION, o.TRIAL_CRITERION + 5))},
        {"FORCE_MACHINE", o.FORCE_MACHINE != 0 ? Json(o.forcedMachineId) : Json(nullptr)},
        {"FORCE_BENDER", o.FORCE_BENDER != 0 ? Json(o.forcedBenderId) : Json(nullptr)}};
}

void PlanJson::headerRead(const char* pipeline, const char* date, int32_t lengthUnits, int32_t boreUnits) {
    document_["header"] = Json{
        {"pipeline", pipeline}, {"date", date}, {"lengthUnits", units(lengthUnits)}, {"boreUnits", units(boreUnits)}};
}

void PlanJson::cutPiecePlanned(const PlanCutPiece& p) {
    Json runs = Json::array();
    for (const PlanRun& r : p.runs) runs.push_back(run(r));
    const char* result = p.failed == 0 ? "PASS" : p.failed == 1 ? "FAIL" : "NO BENDING REQUIRED";
    document_["cutPieces"].push_back(Json{{"cutId", p.cutId},
                                          {"spoolId", p.spoolId},
                                          {"pipingSpec", p.pipingSpec},
                                          {"itemCode", p.itemCode},
                                          {"bore", p.bore},
                                          {"clashReport", Json(p.clashLines)},
                                          {"result", result},
                                          {"failureText", p.failed == 1 ? Json(p.failureText) : Json(nullptr)},
                                          {"searchCutShort", p.searchCutShort},
                                          {"runs", runs}});
}

void PlanJson::finished(int32_t status, const char* errorText) {
    document_["status"] = status;
    document_["errorText"] = errorText != nullptr ? Json(errorText) : Json(nullptr);
}

bool PlanJson::write(const std::string& path) const {
    // Texts from the input files are bytes; any that are not UTF-8 are
    // replaced rather than failing the whole document.
    const std::string text = document_.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace kwarel::cli
