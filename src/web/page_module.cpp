// The functions the page's script calls: the module's whole interface. Strings go in and out
// as UTF-8; a string or list handed out stays valid until the next call.

#include "core/conversions.h"
#include "design/client_scale.h"
#include "design/window_design.h"
#include "design/window_texts.h"
#include "page_design.h"
#include "page_session.h"
#include "stamp_plan.h"

#include <algorithm>
#include <array>
#include <emscripten/emscripten.h>
#include <malloc.h>
#include <span>
#include <string>
#include <vector>

namespace {

// The program behind the page lives as long as the page.
struct Page {
    lumorix::PageSession session;
    std::span<const float> paint;
    lumorix::StampPlan stamps;
    std::string text;
    std::array<double, 3> placement{};
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

// Input that waited for the board goes back to the page's script, which keeps it by ticket.
EM_JS(void, hand_back_input, (int ticket), { Module["handBackInput"](ticket); });

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* lumorix_design() {
    return handOut(lumorix::pageDesignJson());
}

// T: the formula's fringes for the settings as they are now.
EMSCRIPTEN_KEEPALIVE const char* lumorix_theory_marks() {
    return handOut(lumorix::theoryMarksJson(page().session.fields()));
}

EMSCRIPTEN_KEEPALIVE const char* lumorix_field_text(int field) {
    if (!isField(field))
        return handOut("");
    return handOut(page().session.fieldText(static_cast<lumorix::ParameterField>(field)));
}

// An option's click handler: it writes what the design gives it into its frame's field.
EMSCRIPTEN_KEEPALIVE void lumorix_select_option(int frame, int option) {
    const auto frames = lumorix::frameDesigns();
    if (frame < 0 || frame >= static_cast<int>(frames.size()))
        return;
    const auto options = frames[static_cast<std::size_t>(frame)].options;
    if (option < 0 || option >= static_cast<int>(options.size()))
        return;
    page().session.setFieldText(frames[static_cast<std::size_t>(frame)].field,
                                std::string(options[static_cast<std::size_t>(option)].text));
}

// HScroll1_Change: the slider's value, as a field text.
EMSCRIPTEN_KEEPALIVE void lumorix_slider_changed(int value) {
    page().session.setFieldText(lumorix::ParameterField::nSpomaleni, lumorix::numberToText(value));
}

// The last step of Form_Load: the slowdown field written directly.
EMSCRIPTEN_KEEPALIVE void lumorix_write_start_up_slowdown() {
    page().session.setFieldText(lumorix::ParameterField::nSpomaleni,
                                std::string(lumorix::startUpSlowdown));
}

EMSCRIPTEN_KEEPALIVE int lumorix_busy() {
    return page().session.busy() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int lumorix_start(double now) {
    return page().session.start(lumorix::PageTime(now)) ? 1 : 0;
}

// Leaves what to paint now in the paint list; returns when to call again, or -1 once the run
// has been played to its end.
EMSCRIPTEN_KEEPALIVE double lumorix_advance(double now) {
    const lumorix::PageSession::Progress progress = page().session.advance(lumorix::PageTime(now));
    page().paint = progress.paint;
    return progress.nextStep ? progress.nextStep->count() : -1.0;
}

// Leaves all that the latest run paints in the paint list, for the page to learn its stamps
// ahead of its steps.
EMSCRIPTEN_KEEPALIVE void lumorix_run_drawing() {
    page().paint = page().session.runDrawing();
}

// Ctrl+N: a clean board, whose picture it leaves in the paint list.
EMSCRIPTEN_KEEPALIVE int lumorix_clean() {
    if (!page().session.clean())
        return 0;
    page().paint = page().session.boardPaint();
    return 1;
}

// The name a picture saved at a time given as "YYYY-MM-DD-hhmm" is offered under.
EMSCRIPTEN_KEEPALIVE const char* lumorix_picture_file_name(const char* timeStamp) {
    return handOut(lumorix::pictureFileName(timeStamp));
}

// The client area fitted into the browser's window: scale, left and top, in CSS pixels.
EMSCRIPTEN_KEEPALIVE const double* lumorix_fit(double width, double height, double pixelRatio) {
    const lumorix::ClientPlacement placement = lumorix::fitClientArea(width, height, pixelRatio);
    page().placement = {placement.scale, placement.left, placement.top};
    return page().placement.data();
}

// Returns 1 when what has been drawn aside, if anything, is to be dropped.
EMSCRIPTEN_KEEPALIVE int lumorix_show_at(double pixelRatio) {
    return page().session.showAt(pixelRatio) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int lumorix_redrawing() {
    return page().session.redrawing() ? 1 : 0;
}

// The next part of the redraw (0 none, 1 begin, 2 a run, 3 show), its drawing in the paint list.
EMSCRIPTEN_KEEPALIVE int lumorix_next_redraw_part() {
    const lumorix::PageSession::RedrawPart part = page().session.nextRedrawPart();
    page().paint = page().session.boardPaint();
    return static_cast<int>(part);
}

EMSCRIPTEN_KEEPALIVE double lumorix_redraw_ratio() {
    return page().session.redrawPixelRatio();
}

EMSCRIPTEN_KEEPALIVE const float* lumorix_paint_data() {
    return page().paint.data();
}

EMSCRIPTEN_KEEPALIVE int lumorix_paint_size() {
    return static_cast<int>(page().paint.size());
}

// Where the shapes of the paint list from the value at `from` on, up to `shapes` of them, are
// stamped at a pixel ratio (stamp_plan.h).
EMSCRIPTEN_KEEPALIVE const std::int32_t* lumorix_plan_stamps(double pixelRatio, int from,
                                                             int shapes) {
    if (from < 0 || shapes < 0)
        return nullptr;
    page().stamps.plan(page().paint, static_cast<std::size_t>(from),
                       static_cast<std::size_t>(shapes), pixelRatio);
    return page().stamps.entries().data();
}

EMSCRIPTEN_KEEPALIVE int lumorix_input_must_wait() {
    return page().session.inputMustWait() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void lumorix_hold_input(int ticket) {
    page().session.holdInput(ticket);
}

EMSCRIPTEN_KEEPALIVE void lumorix_hand_back_waiting_input() {
    page().session.handleWaitingInput([](int ticket) { hand_back_input(ticket); });
}

EMSCRIPTEN_KEEPALIVE void lumorix_drop_waiting_input() {
    page().session.dropWaitingInput();
}

// The latest run's sound at a sample rate: its length in samples, the samples at
// lumorix_sound_data() until released.
EMSCRIPTEN_KEEPALIVE int lumorix_render_sound(int sampleRate) {
    return static_cast<int>(page().session.renderSound(sampleRate).size());
}

EMSCRIPTEN_KEEPALIVE const float* lumorix_sound_data() {
    return page().session.renderedSound().data();
}

EMSCRIPTEN_KEEPALIVE void lumorix_release_sound() {
    page().session.releaseSound();
}

// The message of the fatal error that ended the latest run; empty when none did.
EMSCRIPTEN_KEEPALIVE const char* lumorix_failure_message() {
    const std::optional<lumorix::FatalError> failure = page().session.failure();
    return handOut(failure ? lumorix::fatalErrorMessage(*failure) : std::string());
}

EMSCRIPTEN_KEEPALIVE const char* lumorix_drawing_description(int soundOn) {
    return handOut(lumorix::drawingDescription(page().session.drawingDescription(), soundOn != 0));
}

// The bytes the module's heap holds in use, for the test hook.
EMSCRIPTEN_KEEPALIVE double lumorix_heap_in_use() {
    return static_cast<double>(mallinfo().uordblks);
}

EMSCRIPTEN_KEEPALIVE void lumorix_keep_trace() {
    page().session.keepTrace();
}

EMSCRIPTEN_KEEPALIVE const char* lumorix_trace() {
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
