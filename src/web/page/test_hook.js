// For the tests and benchmarks only, not part of the program: reads the fields, the calls of the
// runs, the picture, and what the page did and when.
function installTestHook(design, api, parts) {
    const fieldIndex = (name) => design.fields.indexOf(name);
    window.lumorixTestHook = {
        fieldText: (name) => api.fieldText(fieldIndex(name)),
        keepTrace: api.keepTrace,
        trace: api.trace,
        running: parts.player.running,
        busy: () => Boolean(api.busy()),
        ended: parts.ending.ended,
        picture: parts.board.dataUrl,
        boardSize: parts.board.size,
        redrawsShown: parts.board.redrawsShown,
        lastCopy: parts.lastCopy,
        lastRun: parts.player.lastRun,
        heapInUse: api.heapInUse,
    };
    return window.lumorixTestHook;
}
