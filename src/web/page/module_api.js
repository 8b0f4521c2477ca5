// The module's functions as the page calls them (src/web/page_module.cpp), and the lists and
// numbers it leaves in its memory.
function bindModule(module) {
    const call = (name, result, parameters) => module.cwrap(name, result, parameters);
    const api = {
        design: call("lumorix_design", "string", []),
        theoryMarks: call("lumorix_theory_marks", "string", []),
        fieldText: call("lumorix_field_text", "string", ["number"]),
        selectOption: call("lumorix_select_option", null, ["number", "number"]),
        sliderChanged: call("lumorix_slider_changed", null, ["number"]),
        writeStartUpSlowdown: call("lumorix_write_start_up_slowdown", null, []),
        busy: call("lumorix_busy", "number", []),
        start: call("lumorix_start", "number", ["number"]),
        advance: call("lumorix_advance", "number", ["number"]),
        clean: call("lumorix_clean", "number", []),
        pictureFileName: call("lumorix_picture_file_name", "string", ["string"]),
        fitAt: call("lumorix_fit", "number", ["number", "number", "number"]),
        showAt: call("lumorix_show_at", "number", ["number"]),
        redrawing: call("lumorix_redrawing", "number", []),
        nextRedrawPart: call("lumorix_next_redraw_part", "number", []),
        redrawRatio: call("lumorix_redraw_ratio", "number", []),
        paintData: call("lumorix_paint_data", "number", []),
        paintSize: call("lumorix_paint_size", "number", []),
        inputMustWait: call("lumorix_input_must_wait", "number", []),
        holdInput: call("lumorix_hold_input", null, ["number"]),
        handBackWaitingInput: call("lumorix_hand_back_waiting_input", null, []),
        dropWaitingInput: call("lumorix_drop_waiting_input", null, []),
        failureMessage: call("lumorix_failure_message", "string", []),
        drawingDescription: call("lumorix_drawing_description", "string", ["number"]),
        renderSound: call("lumorix_render_sound", "number", ["number"]),
        soundData: call("lumorix_sound_data", "number", []),
        releaseSound: call("lumorix_release_sound", null, []),
        heapInUse: call("lumorix_heap_in_use", "number", []),
        keepTrace: call("lumorix_keep_trace", null, []),
        trace: call("lumorix_trace", "string", []),
        planStamps: call("lumorix_plan_stamps", "number", ["number", "number", "number"]),
        runDrawing: call("lumorix_run_drawing", null, []),
    };
    // The parts of the redraw, as lumorix_next_redraw_part numbers them.
    api.redrawParts = { none: 0, begin: 1, run: 2, show: 3 };
    // Where the module left its latest paint list: where in its memory, and how long. Read it
    // afresh at each use, since the memory may have grown, and moved, since.
    api.paintList = () => ({ at: api.paintData() / 4, size: api.paintSize() });
    api.values = (list) => module.HEAPF32.subarray(list.at, list.at + list.size);
    // Where the shapes of the paint list from the value at `from` on are stamped at a pixel
    // ratio, `perShape` numbers for each of up to `shapes` shapes; read it before the next call.
    api.stampPlan = (ratio, from, shapes, perShape) => {
        const at = api.planStamps(ratio, from, shapes) / 4;
        return module.HEAP32.subarray(at, at + shapes * perShape);
    };
    // The client area fitted into the browser's window: its scale, left and top.
    api.fit = (width, height, ratio) => {
        const at = api.fitAt(width, height, ratio) / 8;
        const [scale, left, top] = module.HEAPF64.subarray(at, at + 3);
        return { scale, left, top };
    };
    return api;
}
