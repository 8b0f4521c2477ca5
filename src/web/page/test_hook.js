// In the page that the tests build only, not part of the program: a hook for the tests and
// benchmarks that reads the fields, the calls of the runs, the picture, and what the page did and
// when, and sets a field's text as no control could. Installed once the page is ready for input,
// which the page's element then says, with the time.
page.then(({ design, module, api, ...parts }) => {
    const fieldIndex = (name) => design.fields.indexOf(name);
    const setField = module.cwrap("lumorix_set_field", null, ["number", "string"]);
    window.lumorixTestHook = {
        fieldText: (name) => api.fieldText(fieldIndex(name)),
        setFieldText: (name, text) => setField(fieldIndex(name), text),
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
    document.documentElement.dataset.ready = String(performance.now());
});
