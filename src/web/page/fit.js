// The client area as large as the browser's window allows, centred, by the rule the desktop
// fits itself by, and the board at the screen's own pixels: followed through resizes, zoom steps
// and moves to another screen, once an animation frame however many changes it brings.
function followScreen(api, client, board) {
    let due = false;
    let stopped = false;

    function fit() {
        due = false;
        if (stopped)
            return;
        const ratio = window.devicePixelRatio || 1;
        const { scale, left, top } = api.fit(window.innerWidth, window.innerHeight, ratio);
        client.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
        board.showAt(scale * ratio);
    }

    function fitSoon() {
        if (due)
            return;
        due = true;
        requestAnimationFrame(fit);
    }

    window.addEventListener("resize", fitSoon);
    // A zoom or a move to another screen changes the pixel ratio, not always the window's size.
    (function followPixelRatio() {
        window.matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`)
            .addEventListener("change", () => { fitSoon(); followPixelRatio(); }, { once: true });
    })();
    fit();

    // Once the program has ended, nothing is fitted any more.
    return { stop() { stopped = true; } };
}
