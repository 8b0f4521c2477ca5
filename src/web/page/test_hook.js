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
        lastCopy: parts.commands.lastCopy,
        lastSave: parts.commands.lastSave,
        lastRun: parts.player.lastRun,
        heapInUse: api.heapInUse,
        soundOn: parts.sound.isOn,
        soundLateness: parts.sound.lateness,
        // The latest run's sound played through the page's own graph into an offline context:
        // its loudness (root mean square) in windows of that many milliseconds.
        async soundLevels(windowMilliseconds, seconds) {
            const rate = 48000;
            const offline = new OfflineAudioContext(1, Math.ceil(seconds * rate), rate);
            parts.sound.schedule(offline, 0, 0);
            const samples = (await offline.startRendering()).getChannelData(0);
            const step = Math.round(windowMilliseconds * rate / 1000);
            const levels = [];
            for (let from = 0; from + step <= samples.length; from += step) {
                let sum = 0;
                for (let i = from; i < from + step; ++i)
                    sum += samples[i] * samples[i];
                levels.push(Math.sqrt(sum / step));
            }
            return levels;
        },
    };
    return window.lumorixTestHook;
}
