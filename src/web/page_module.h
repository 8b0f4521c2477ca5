#pragma once

// The module's interface: every function the page's script calls, listed once, here. The module
// exports what this list declares (src/web/CMakeLists.txt reads it), page_module.cpp defines it,
// and make_page.py binds it for the script, under its name without the prefix in camel case
// (lumorix_next_redraw_step as nextRedrawStep): a text as a string, any other value as a number.
// Strings go in and out as UTF-8; a string or list handed out stays valid until the next call.
// One declaration a line.

#include <cstdint>

extern "C" {

// The window's design and texts, as JSON.
const char* lumorix_design();
// T: the formula's fringes for the settings as they are now, as JSON.
const char* lumorix_theory_marks();

// A, B and D: a state of the next run, by the name of the command that turns it on and off.
// Returns 1 when it has been turned, which is refused while the board is busy.
int lumorix_toggle_run_state(const char* command);
int lumorix_run_state_on(const char* command);

// P: the point readout's marks at a row for the settings as they are now, as JSON (null where
// there are none); where a key (by its name in the browser) moves the marker from a row, and
// where a press at a point of the board puts it; -1 for neither.
const char* lumorix_point_marks(int row);
int lumorix_moved_point_row(int row, const char* key);
int lumorix_point_row_at(double x, double y);
// The short tone of a move of the marker to a row at a sample rate: its length in samples, the
// samples at lumorix_sound_data() until released.
int lumorix_render_point_tone(int row, int sampleRate);

// Ctrl+E: the pattern as numbers for the settings as they are now, the CSV's bytes: their count,
// and where they are until the next call (as bytes, since a text would lose the byte-order mark);
// -1 for fields that a run would fail on, whose fatal error's message is then
// lumorix_pattern_data_failure(). And the name it is offered under, for the minute on the
// user's clock it is saved in.
int lumorix_make_pattern_data();
const unsigned char* lumorix_pattern_data();
const char* lumorix_pattern_data_failure();
const char* lumorix_pattern_data_file_name(int year, int month, int day, int hour, int minute);

const char* lumorix_field_text(int field);
// An option's click handler: it writes what the design gives it into its frame's field.
void lumorix_select_option(int frame, int option);
// HScroll1_Change: the slider's value, as a field text.
void lumorix_slider_changed(int value);
// The last step of Form_Load: the slowdown field written directly.
void lumorix_write_start_up_slowdown();

int lumorix_busy();
int lumorix_start(double now);
// Leaves what to paint now in the paint list; returns when to call again, or -1 once the run
// has been played to its end.
double lumorix_advance(double now);
// Leaves all that the latest run paints in the paint list, for the page to learn its stamps
// ahead of its steps.
void lumorix_run_drawing();
// Ctrl+N: a clean board, whose picture it leaves in the paint list.
int lumorix_clean();
// The name a picture saved at a time on the user's clock is offered under; the month counts
// from 1.
const char* lumorix_picture_file_name(int year, int month, int day, int hour, int minute);

// The client area fitted into the browser's window: scale, left and top, in CSS pixels.
const double* lumorix_fit_at(double width, double height, double pixelRatio);
// Returns 1 when what has been redrawn, if anything, is to be dropped.
int lumorix_show_at(double pixelRatio);
int lumorix_redrawing();
// The next step of the redraw, by the code that the design gives it, its drawing in the paint
// list; -1 when no redraw is under way.
int lumorix_next_redraw_step();
double lumorix_redraw_ratio();
const float* lumorix_paint_data();
int lumorix_paint_size();
// Where the shapes of the paint list from the value at `from` on, up to `shapes` of them, are
// stamped at a pixel ratio (stamp_plan.h): StampPlan::perShape numbers a shape.
const std::int32_t* lumorix_plan_stamps(double pixelRatio, int from, int shapes);

int lumorix_input_must_wait();
// Input, as the page's text, that waits in the queue until the board is idle.
void lumorix_hold_input(const char* input);
// What waits, handed back to the page's script in turn while the board stays idle.
void lumorix_hand_back_waiting_input();
void lumorix_drop_waiting_input();

// The latest run's sound at a sample rate: its length in samples, the samples at
// lumorix_sound_data() until released.
int lumorix_render_sound(int sampleRate);
const float* lumorix_sound_data();
void lumorix_release_sound();

// The message of the fatal error that ended the latest run; empty when none did.
const char* lumorix_failure_message();
const char* lumorix_drawing_description(int soundOn);

// The bytes the module's heap holds in use, and the calls of the runs from now on as the lines
// of a trace, for the tests.
double lumorix_heap_in_use();
void lumorix_keep_trace();
const char* lumorix_trace();

} // extern "C"
