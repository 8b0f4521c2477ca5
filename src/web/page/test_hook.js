// In the page that the tests build only, not part of the program: a hook for the tests and
// benchmarks that reads the fields, the calls of the runs, the picture, and what the page did and
// when, sets a field's text as no control could, and compares the board's two ways of painting.
// Installed once the page is ready for input, which the page's element then says, with the time.
page.then(({ design, module, api, painter, stamps, ...parts }) => {
    const fieldIndex = (name) => design.fields.indexOf(name);
    const setField = module.cwrap("lumorix_set_field", null, ["number", "string"]);
    const hook = {
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
        lastData: parts.commands.lastData,
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

    // From now on the board is painted by the canvas alone, every shape a path of its own: the
    // picture that the stamps are held to.
    hook.paintByCanvasAlone = () => {
        stamps.paint = (raster, list, from, budget) => painter.paint(raster.context,
                                                                     api.values(list), from,
                                                                     budget);
    };

    // A list of shapes painted both ways, by the canvas alone and through the stamps, each on a
    // board of its own at a pixel ratio over a background; how far apart their pixels are: the
    // largest difference in any channel, and how many pixels differ at all and by more than 16.
    const setPaintList = module.cwrap("lumorix_set_paint_list", null, ["array", "number"]);
    hook.paintBothWays = (values, ratio, background) => {
        setPaintList(new Uint8Array(Float32Array.from(values).buffer), values.length);
        const list = api.paintList();
        const [alone, stamped] = [0, 1].map(() => {
            const canvas = document.createElement("canvas");
            canvas.width = Math.round(design.width * ratio);
            canvas.height = Math.round(design.height * ratio);
            const context = canvas.getContext("2d", { alpha: false, willReadFrequently: true });
            context.fillStyle = background;
            context.fillRect(0, 0, canvas.width, canvas.height);
            return painter.prepare(context, ratio);
        });
        painter.paint(alone, api.values(list));
        stamps.paint(createRaster(stamped.canvas, stamped), list);
        const pixels = (context) => context.getImageData(0, 0, context.canvas.width,
                                                         context.canvas.height).data;
        const [a, b] = [pixels(alone), pixels(stamped)];
        const apart = { most: 0, differing: 0, over16: 0, pixels: a.length / 4 };
        for (let k = 0; k < a.length; k += 4) {
            const most = Math.max(Math.abs(a[k] - b[k]), Math.abs(a[k + 1] - b[k + 1]),
                                  Math.abs(a[k + 2] - b[k + 2]));
            apart.most = Math.max(apart.most, most);
            apart.differing += most > 0;
            apart.over16 += most > 16;
        }
        return apart;
    };
    window.lumorixTestHook = hook;
    document.documentElement.dataset.ready = String(performance.now());
});
