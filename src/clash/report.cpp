// Clash report lines: which machine, which surface, and when in the run.
#include "clash/report.h"

#include <charconv>
#include <cstring>

namespace kwarel {

namespace {

// Appends text to a line buffer of kClashLineWidth bytes, never past its end.
void appendText(char* line, std::size_t& used, const char* text) {
    for (; *text != '\0' && used + 1 < static_cast<std::size_t>(kClashLineWidth); ++text) line[used++] = *text;
    line[used] = '\0';
}

void appendNumber(char* line, std::size_t& used, int32_t value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits - 1, value).ptr;
    *end = '\0';
    appendText(line, used, digits);
}

}  // namespace

void formatClashLine(char* line, const MachineRecord& machine, const char* surface, int32_t position,
                     int32_t motionPhase) {
    std::size_t used = 0;
    line[0] = '\0';

    // The machine name is a fixed-width field; read no further than its width.
    char name[sizeof machine.name + 1];
    std::memcpy(name, machine.name, sizeof machine.name);
    name[sizeof machine.name] = '\0';

    appendText(line, used, "Machine: ");
    appendText(line, used, name);
    appendText(line, used, "  Pipe hitting ");
    appendText(line, used, surface != nullptr ? surface : "");

    // Positions count from 1: even ones are bends, 1 is the load, other odd
    // ones are the straights between bends.
    const int32_t p = position;
    if (static_cast<double>(p) * 0.5 == static_cast<double>(p / 2)) {
        appendText(line, used, " during bend ");
        appendNumber(line, used, p / 2);
        appendText(line, used, ".\n");
    } else if (p == 1) {
        appendText(line, used, " before first bend.\n");
    } else {
        appendText(line, used, " after bend ");
        appendNumber(line, used, (p - 1) / 2);
        if (motionPhase == kPhaseFeed) {
            appendText(line, used, " during pipe feed.\n");
        } else if (motionPhase == kPhaseRotation) {
            appendText(line, used, " during pipe rotation.\n");
        } else {
            appendText(line, used, ".\n");
        }
    }
}

void addClashLine(ClashState& state, const char* surface) {
    // Every line is also kept among the last few found, for the position
    // memo, whether the report has room for it or not.
    char* recent = state.recentLines[state.clashesFound % kMostMemoLines];
    formatClashLine(recent, state.machine, surface, state.simulationPosition, state.motionPhase);
    ++state.clashesFound;
    if (state.observer != nullptr) {
        char line[kClashLineWidth];
        formatClashLine(line, state.machine, surface, state.simulationPosition, state.motionPhase);
        const std::size_t length = std::strlen(line);
        if (length > 0 && line[length - 1] == '\n') line[length - 1] = '\0';
        state.observer->clashFound(surface, line, state.machineIndex, state.pipeShapes.entries.data(),
                                   state.pipeShapes.count);
    }
    if (state.clashLineCount < 0 || state.clashLineCount >= kMaxClashLines) return;
    std::memcpy(state.clashLines[state.clashLineCount], recent, kClashLineWidth);
    ++state.clashLineCount;
}

}  // namespace kwarel
