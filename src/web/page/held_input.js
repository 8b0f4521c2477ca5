// Every key and click reaches the page's controls through here: at once while the board is
// idle, and otherwise kept in the module's queue, in the order it came, until the board is idle
// again. The module then hands it back, and it is handled as if it had just arrived.
function takeInput(module, api, controls, shouldIgnore) {
    // In the queue an input is text, and the element it happened on is where that stands in the
    // page: the index of each element on the way down from the root. The page's elements stay
    // where they are while input waits.
    function pathTo(target) {
        const path = [];
        for (let at = target; at instanceof Element && at.parentElement; at = at.parentElement)
            path.unshift(Array.prototype.indexOf.call(at.parentElement.children, at));
        return path;
    }
    const elementAt = (path) => path.reduce((at, index) => at.children[index] || at,
                                            document.documentElement);
    module.handBackInput = (text) => {
        const input = JSON.parse(text);
        input.target = elementAt(input.target);
        controls.handle(input);
    };

    function arrived(event) {
        if (shouldIgnore(event))
            return;
        const input = {
            type: event.type, target: event.target, key: event.key, shiftKey: event.shiftKey,
            ctrlKey: event.ctrlKey || event.metaKey, clientX: event.clientX, clientY: event.clientY,
            pointerId: event.pointerId, pointerType: event.pointerType,
        };
        if (event.type === "mousedown" || (event.type === "keyup" && event.key === " ")) {
            event.preventDefault(); // the page, not the browser, moves the focus and presses
            return;
        }
        if (api.inputMustWait() && !controls.neverWaits(input)) {
            // A pointer that only moves matters while the slider's thumb is dragged.
            if (event.type !== "pointermove" || controls.wantsPointerMoves())
                api.holdInput(JSON.stringify({ ...input, target: pathTo(event.target) }));
            event.preventDefault();
            return;
        }
        if (controls.handle(input))
            event.preventDefault();
    }
    for (const type of ["keydown", "keyup", "click", "contextmenu", "mousedown", "pointerdown",
                        "pointermove", "pointerup", "pointercancel", "lostpointercapture"])
        window.addEventListener(type, arrived, true);

    return {
        // The board is idle again: what waited is handled, in turn, while it stays idle.
        handBack: () => api.handBackWaitingInput(),
        // The program ends: nothing that waited is handled.
        drop: () => api.dropWaitingInput(),
    };
}
