// The module's functions as the page calls them, bound from its interface (src/web/page_module.h,
// which make_page.py hands the script as moduleInterface), each under its name without the prefix
// in camel case: lumorix_next_redraw_step as nextRedrawStep. Also the lists and numbers the module
// leaves in its memory.
function bindModule(module) {
    const api = {};
    for (const [name, result, parameters] of moduleInterface) {
        const camelCase = name.replace(/^lumorix_/, "").replace(/_(.)/g, (_, c) => c.toUpperCase());
        api[camelCase] = module.cwrap(name, result, parameters);
    }
    // Where the module left its latest paint list: where in its memory, and how long. Read it
    // afresh at each use, since the memory may have grown, and moved, since.
    api.paintList = () => ({ at: api.paintData() / 4, size: api.paintSize() });
    api.values = (list) => module.HEAPF32.subarray(list.at, list.at + list.size);
    // The pattern's data for the settings as they are now, byte for byte; null for fields that a
    // run would fail on.
    api.patternDataBytes = () => {
        const size = api.makePatternData();
        if (size < 0)
            return null;
        const at = api.patternData();
        return module.HEAPU8.slice(at, at + size);
    };
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
