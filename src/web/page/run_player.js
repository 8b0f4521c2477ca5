// A run: made at once by the module, then played step by step against the clock; each step's
// drawing reaches the screen at the next frame. While it pauses, the board learns what the
// steps to come will need, so that each step paints quickly.
function createRunPlayer(api, board, ended) {
    let running = false;
    let lastRun = null; // when the latest run started and ended
    let ahead = null;

    function play() {
        const next = api.advance(performance.now());
        board.paintRunProgress();
        if (next >= 0) {
            ahead = ahead || board.learnRunAhead();
            ahead.learn(next - 1);
            setTimeout(play, Math.max(0, next - performance.now()));
            return;
        }
        ahead = null;
        running = false;
        lastRun.ended = performance.now();
        ended(api.failureMessage());
    }

    return {
        running: () => running,
        lastRun: () => lastRun,
        // cmdStart_Click.
        start() {
            const now = performance.now();
            if (!api.start(now))
                return;
            running = true;
            lastRun = { started: now, ended: null };
            play();
        },
    };
}
