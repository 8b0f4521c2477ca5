// Every key and click reaches the page's controls through here: at once while the board is
// idle, and otherwise kept, in the order it came, until the board is idle again (the module
// keeps the order; the page keeps the input itself, by ticket). It is then handled as if it had
// just arrived.
function takeInput(module, api, controls, shouldIgnore) {
    const waiting = new Map(); // ticket → input
    let nextTicket = 0;
    module.handBackInput = (ticket) => {
        const input = waiting.get(ticket);
        waiting.delete(ticket);
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
            if (event.type !== "pointermove" || controls.wantsPointerMoves()) {
                waiting.set(nextTicket, input);
                api.holdInput(nextTicket++);
            }
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
        drop() {
            api.dropWaitingInput();
            waiting.clear();
        },
    };
}
