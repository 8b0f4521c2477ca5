// The module's interface (page_module.h), on the program behind the page.

#include "page_module.h"

#include "core/conversions.h"
#include "design/client_scale.h"
#include "design/command_table.h"
#include "design/pattern_data.h"
#include "design/point_marks.h"
#include "design/window_design.h"
#include "design/window_texts.h"
#include "page_design.h"
#include "page_session.h"
#include "stamp_plan.h"

#include <algorithm>
#include <array>
#include <emscripten/emscripten.h>
#include <malloc.h>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The program behind the page lives as long as the page.
struct Page {
    lumorix::PageSession session;
    std::span<const float> paint;
    lumorix::StampPlan stamps;
    std::string text;
    std::array<double, 3> placement{};
    // The latest pattern data, or why there is none.
    std::string data;
    std::string dataFailure;
#ifdef LUMORIX_TEST_HOOK
    std::vector<float> testList;
#endif
};

Page& page() {
    static Page instance;
    return instance;
}

const char* handOut(std::string text) {
    page().text = std::move(text);
    return page().text.c_str();
}

bool isField(int field) {
    return field >= 0 && field < static_cast<int>(lumorix::parameterFieldCount);
}

// The next run's state that a command turns on and off; none for another command.
bool* runStateOf(lumorix::RunStates& states, std::string_view command) {
    using enum lumorix::BoardCommand;
    const std::pair<lumorix::BoardCommand, bool lumorix::RunStates::*> stateCommands[] = {
        {coverHoleA, &lumorix::RunStates::coverA},
        {coverHoleB, &lumorix::RunStates::coverB},
        {whichPath, &lumorix::RunStates::whichPath},
    };
    for (const auto& [id, state] : stateCommands) {
        if (lumorix::boardCommand(id).name == command)
            return &(states.*state);
    }
    return nullptr;
}

// The marker's keys, by their names in the browser.
std::optional<lumorix::PointMove> pointMoveOf(std::string_view key) {
    using enum lumorix::PointMove;
    const std::pair<std::string_view, lumorix::PointMove> keys[] = {
        {"ArrowUp", up},        {"ArrowDown", down}, {"PageUp", pageUp},
        {"PageDown", pageDown}, {"Home", home},      {"End", end},
    };
    for (const auto& [name, move] : keys) {
        if (name == key)
            return move;
    }
    return std::nullopt;
}

// Input that waited for the board goes back to the page's script, to be handled there.
EM_JS(void, hand_back_input, (const char* input),
      { Module["handBackInput"](UTF8ToString(input)); });

} // namespace

extern "C" {

const char* lumorix_design() {
    return handOut(lumorix::pageDesignJson());
}

const char* lumorix_theory_marks() {
    return handOut(lumorix::theoryMarksJson(page().session.fields(), page().session.runStates()));
}

int lumorix_toggle_run_state(const char* command) {
    lumorix::RunStates states = page().session.runStates();
    bool* const state = runStateOf(states, command);
    if (!state)
        return 0;
    *state = !*state;
    return page().session.setRunStates(states) ? 1 : 0;
}

int lumorix_run_state_on(const char* command) {
    lumorix::RunStates states = page().session.runStates();
    const bool* const state = runStateOf(states, command);
    return state && *state ? 1 : 0;
}

const char* lumorix_point_marks(int row) {
    return handOut(
        lumorix::pointMarksJson(page().session.fields(), page().session.runStates(), row));
}

int lumorix_moved_point_row(int row, const char* key) {
    const std::optional<lumorix::PointMove> move = pointMoveOf(key);
    return move ? lumorix::movedPointRow(row, *move) : -1;
}

int lumorix_point_row_at(double x, double y) {
    return lumorix::pointRowAt(page().session.fields(), x, y).value_or(-1);
}

int lumorix_render_point_tone(int row, int sampleRate) {
    return static_cast<int>(page().session.renderPointTone(row, sampleRate).size());
}

int lumorix_make_pattern_data() {
    page().data.clear();
    page().dataFailure.clear();
    try {
        page().data = lumorix::patternDataCsv(page().session.fields(), page().session.runStates());
    } catch (const lumorix::FatalError& error) {
        page().dataFailure = lumorix::fatalErrorMessage(error);
        return -1;
    }
    return static_cast<int>(page().data.size());
}

const unsigned char* lumorix_pattern_data() {
    return reinterpret_cast<const unsigned char*>(page().data.data());
}

const char* lumorix_pattern_data_failure() {
    return page().dataFailure.c_str();
}

const char* lumorix_pattern_data_file_name(int year, int month, int day, int hour, int minute) {
    return handOut(lumorix::patternDataFileName({year, month, day, hour, minute}));
}

const char* lumorix_field_text(int field) {
    if (!isField(field))
        return handOut("");
    return handOut(page().session.fieldText(static_cast<lumorix::ParameterField>(field)));
}

void lumorix_select_option(int frame, int option) {
    const auto frames = lumorix::frameDesigns();
    if (frame < 0 || frame >= static_cast<int>(frames.size()))
        return;
    const auto options = frames[static_cast<std::size_t>(frame)].options;
    if (option < 0 || option >= static_cast<int>(options.size()))
        return;
    page().session.setFieldText(frames[static_cast<std::size_t>(frame)].field,
                                std::string(options[static_cast<std::size_t>(option)].text));
}

void lumorix_slider_changed(int value) {
    page().session.setFieldText(lumorix::ParameterField::nSpomaleni, lumorix::numberToText(value));
}

void lumorix_write_start_up_slowdown() {
    page().session.setFieldText(lumorix::ParameterField::nSpomaleni,
                                std::string(lumorix::startUpSlowdown));
}

int lumorix_busy() {
    return page().session.busy() ? 1 : 0;
}

int lumorix_start(double now) {
    return page().session.start(lumorix::PageTime(now)) ? 1 : 0;
}

double lumorix_advance(double now) {
    const lumorix::PageSession::Progress progress = page().session.advance(lumorix::PageTime(now));
    page().paint = progress.paint;
    return progress.nextStep ? progress.nextStep->count() : -1.0;
}

// Leaves all that the latest run paints in the paint list, for the page to learn its stamps
// ahead of its steps.
void lumorix_run_drawing() {
    page().paint = page().session.runDrawing();
}

int lumorix_clean() {
    if (!page().session.clean())
        return 0;
    page().paint = page().session.boardPaint();
    return 1;
}

const char* lumorix_picture_file_name(int year, int month, int day, int hour, int minute) {
    return handOut(lumorix::pictureFileName({year, month, day, hour, minute}));
}

const double* lumorix_fit_at(double width, double height, double pixelRatio) {
    const lumorix::ClientPlacement placement = lumorix::fitClientArea(width, height, pixelRatio);
    page().placement = {placement.scale, placement.left, placement.top};
    return page().placement.data();
}

int lumorix_show_at(double pixelRatio) {
    return page().session.showAt(pixelRatio) ? 1 : 0;
}

int lumorix_redrawing() {
    return page().session.redrawing() ? 1 : 0;
}

int lumorix_next_redraw_step() {
    const std::optional<lumorix::Board::RedrawStep> step = page().session.nextRedrawStep();
    page().paint = page().session.boardPaint();
    return step ? static_cast<int>(*step) : -1;
}

double lumorix_redraw_ratio() {
    return page().session.redrawPixelRatio();
}

const float* lumorix_paint_data() {
    return page().paint.data();
}

int lumorix_paint_size() {
    return static_cast<int>(page().paint.size());
}

const std::int32_t* lumorix_plan_stamps(double pixelRatio, int from, int shapes) {
    if (from < 0 || shapes < 0)
        return nullptr;
    page().stamps.plan(page().paint, static_cast<std::size_t>(from),
                       static_cast<std::size_t>(shapes), pixelRatio);
    return page().stamps.entries().data();
}

int lumorix_input_must_wait() {
    return page().session.inputMustWait() ? 1 : 0;
}

void lumorix_hold_input(const char* input) {
    page().session.holdInput(input);
}

void lumorix_hand_back_waiting_input() {
    page().session.handleWaitingInput(
        [](const std::string& input) { hand_back_input(input.c_str()); });
}

void lumorix_drop_waiting_input() {
    page().session.dropWaitingInput();
}

int lumorix_render_sound(int sampleRate) {
    return static_cast<int>(page().session.renderSound(sampleRate).size());
}

const float* lumorix_sound_data() {
    return page().session.renderedSound().data();
}

void lumorix_release_sound() {
    page().session.releaseSound();
}

const char* lumorix_failure_message() {
    const std::optional<lumorix::FatalError> failure = page().session.failure();
    return handOut(failure ? lumorix::fatalErrorMessage(*failure) : std::string());
}

const char* lumorix_drawing_description(int soundOn) {
    return handOut(lumorix::drawingDescription(page().session.drawingDescription(), soundOn != 0));
}

double lumorix_heap_in_use() {
    return static_cast<double>(mallinfo().uordblks);
}

void lumorix_keep_trace() {
    page().session.keepTrace();
}

const char* lumorix_trace() {
    return handOut(page().session.trace());
}

#ifdef LUMORIX_TEST_HOOK
// For the page that the tests build only: a field's text set as no control could.
EMSCRIPTEN_KEEPALIVE void lumorix_set_field(int field, const char* text) {
    if (isField(field))
        page().session.setFieldText(static_cast<lumorix::ParameterField>(field), text);
}

// A list of the caller's in the paint list, so that the page's two ways of painting can be
// compared on any shapes.
EMSCRIPTEN_KEEPALIVE void lumorix_set_paint_list(const float* values, int size) {
    page().testList.assign(values, values + std::max(size, 0));
    page().paint = page().testList;
}
#endif

} // extern "C"
