// The functions the page's script calls: the module's whole interface. Strings go in and out
// as UTF-8; a string or list handed out stays valid until the next call.

#include "core/conversions.h"
#include "design/window_texts.h"
#include "page_design.h"
#include "page_session.h"

#include <emscripten/emscripten.h>
#include <malloc.h>
#include <span>
#include <string>

namespace {

// The program behind the page lives as long as the page.
struct Page {
    lumorix::PageSession session;
    std::span<const float> paint;
    std::string text;
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

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* lumorix_design() {
    return handOut(lumorix::pageDesignJson());
}

EMSCRIPTEN_KEEPALIVE void lumorix_set_field(int field, const char* text) {
    if (isField(field))
        page().session.setFieldText(static_cast<lumorix::ParameterField>(field), text);
}

EMSCRIPTEN_KEEPALIVE const char* lumorix_field_text(int field) {
    if (!isField(field))
        return handOut("");
    return handOut(page().session.fieldText(static_cast<lumorix::ParameterField>(field)));
}

// HScroll1_Change: the slider's value, as a field text.
EMSCRIPTEN_KEEPALIVE void lumorix_slider_changed(int value) {
    page().session.setFieldText(lumorix::ParameterField::nSpomaleni, lumorix::numberToText(value));
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

// Leaves the whole board in the paint list.
EMSCRIPTEN_KEEPALIVE void lumorix_redraw() {
    page().paint = page().session.redraw().values();
}

EMSCRIPTEN_KEEPALIVE const float* lumorix_paint_data() {
    return page().paint.data();
}

EMSCRIPTEN_KEEPALIVE int lumorix_paint_size() {
    return static_cast<int>(page().paint.size());
}

// The message of the fatal error that ended the latest run; empty when none did.
EMSCRIPTEN_KEEPALIVE const char* lumorix_failure_message() {
    const std::optional<lumorix::FatalError> failure = page().session.failure();
    return handOut(failure ? lumorix::fatalErrorMessage(*failure) : std::string());
}

EMSCRIPTEN_KEEPALIVE const char* lumorix_drawing_description() {
    return handOut(page().session.drawingDescription());
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

} // extern "C"
