// Tab and Shift+Tab: every place the keyboard stops at, in the design's order, round and round.
function createTabOrder(stops) {
    return {
        move(backwards) {
            const shown = stops.slice().sort((a, b) => a.order() - b.order())
                .map((stop) => stop.element()).filter((stop) => stop);
            const at = shown.indexOf(document.activeElement);
            const next = at < 0 ? (backwards ? shown.length - 1 : 0)
                : (at + (backwards ? shown.length - 1 : 1)) % shown.length;
            focusOn(shown[next]);
        },
    };
}
