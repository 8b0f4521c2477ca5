// The teacher's commands on the drawing board, as on the desktop: the picture copied or saved
// as it is shown, the pattern saved as numbers, a clean board, full screen, the help, the sound,
// the formula's fringes, a hole covered, the which-path detector, the point readout, and the
// single-letter keys turned off and on. The design lists the commands that the page carries out,
// from the one table of commands, and which of their keys the page takes; the rest are the
// browser's own (F11, the zoom), which the page fits itself to.
function createCommands(design, api, board, help, { sound, theory, point }, { describe, fail }) {
    let lastCopy = null;
    let lastSave = null;
    let lastData = null;
    let letterKeys = true;

    function copyPicture() {
        board.picture((png) => {
            lastCopy = { size: board.size(), bytes: png.size };
            if (navigator.clipboard && window.ClipboardItem)
                navigator.clipboard.write([new ClipboardItem({ "image/png": png })]).catch(() => {});
        });
    }

    // The minute on the user's clock a file is saved in, as the name the design gives it takes it.
    function savedAt() {
        const now = new Date();
        return [now.getFullYear(), now.getMonth() + 1, now.getDate(), now.getHours(),
                now.getMinutes()];
    }

    // A download; the browser's own save handling applies.
    function download(name, blob) {
        const link = element("a", { download: name, href: URL.createObjectURL(blob) });
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    }

    // A PNG, named for the minute it was saved.
    function savePicture() {
        const name = api.pictureFileName(...savedAt());
        board.picture((png) => {
            download(name, png);
            lastSave = { name, size: board.size(), bytes: png.size };
        });
    }

    // The CSV of the settings and states as they are now, as the module writes it, byte for
    // byte; fields that a run would fail on end the program as that run would.
    function savePatternData() {
        const data = api.patternDataBytes();
        if (!data) {
            fail(api.patternDataFailure());
            return;
        }
        const name = api.patternDataFileName(...savedAt());
        download(name, new Blob([data], { type: "text/csv" }));
        lastData = { name, bytes: data.length };
    }

    // A, B and D change the next run; the marks over the board follow at once.
    function toggleRunState(name) {
        api.toggleRunState(name);
        theory.refresh();
        point.refresh();
    }

    function cleanBoard() {
        if (!api.clean())
            return;
        board.paintRunProgress();
        describe();
    }

    const fullScreenElement = () => document.fullscreenElement || document.webkitFullscreenElement;
    function toggleFullScreen() {
        const page = document.documentElement;
        const asked = fullScreenElement()
            ? (document.exitFullscreen || document.webkitExitFullscreen).call(document)
            : (page.requestFullscreen || page.webkitRequestFullscreen).call(page);
        // A browser may refuse, as when the request did not come from the user's own doing.
        if (asked && asked.catch)
            asked.catch(() => {});
    }

    // What each command does, by its name in the table of commands.
    const handlers = {
        copyPicture, savePicture, savePatternData, cleanBoard, fullScreen: toggleFullScreen,
        help: help.show,
        sound() {
            sound.toggle();
            describe();
        },
        theory: theory.toggle,
        coverHoleA: () => toggleRunState("coverHoleA"),
        coverHoleB: () => toggleRunState("coverHoleB"),
        whichPath: () => toggleRunState("whichPath"),
        examinePoint: point.toggle,
        letterKeys() {
            letterKeys = !letterKeys;
        },
    };
    const runState = (name) => () => Boolean(api.runStateOn(name));
    const states = { fullScreen: () => Boolean(fullScreenElement()), sound: sound.isOn,
                     theory: theory.isOn, coverHoleA: runState("coverHoleA"),
                     coverHoleB: runState("coverHoleB"), whichPath: runState("whichPath"),
                     examinePoint: point.isOn, letterKeys: () => letterKeys };
    // The design's commands, in its order: caption, key, what it does, and whether it is on.
    const commands = design.commands.map((command) => {
        if (!(command.name in handlers))
            throw new Error(`The page has no handler for the command ${command.name}.`);
        return {
            ...command,
            key: command.keys[0],
            run: handlers[command.name],
            on: command.checkable ? states[command.name] : null,
        };
    });
    const byKey = new Map(commands.filter((command) => command.takesKey)
        .flatMap((command) => command.keys.map((key) => [key, command])));
    const commandOf = (input) => {
        if (input.type !== "keydown" || (input.shiftKey && !input.ctrlKey))
            return null;
        const key = input.key.length === 1 ? input.key.toUpperCase() : input.key;
        const command = byKey.get(input.ctrlKey ? `Ctrl+${key}` : key);
        // Turned off, a single letter is no command, whatever it is typed for.
        return command && (letterKeys || !command.letterKey) ? command : null;
    };
    return {
        // The menu's entries, in its order.
        entries: commands.filter((command) => command.caption),
        handleKey(input) {
            const command = commandOf(input);
            if (!command)
                return false;
            command.run();
            return true;
        },
        // A command that changes nothing a run reads, as the sound, is handled at once.
        neverWaits: (input) => Boolean(commandOf(input)?.neverWaits),
        lastCopy: () => lastCopy,
        lastSave: () => lastSave,
        lastData: () => lastData,
    };
}
