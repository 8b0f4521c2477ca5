// The teacher's commands on the drawing board, as on the desktop: the picture copied or saved
// as it is shown, a clean board, full screen, the help, the sound and the formula's fringes.
// The design lists the commands that the page carries out, from the one table of commands, and
// which of their keys the page takes; the rest are the browser's own (F11, the zoom), which the
// page fits itself to.
function createCommands(design, api, board, help, { sound, theory }, describe) {
    let lastCopy = null;
    let lastSave = null;

    function copyPicture() {
        board.picture((png) => {
            lastCopy = { size: board.size(), bytes: png.size };
            if (navigator.clipboard && window.ClipboardItem)
                navigator.clipboard.write([new ClipboardItem({ "image/png": png })]).catch(() => {});
        });
    }

    // A PNG download, named for the minute on the user's clock it was saved; the browser's own
    // save handling applies.
    function savePicture() {
        const now = new Date();
        const name = api.pictureFileName(now.getFullYear(), now.getMonth() + 1, now.getDate(),
                                         now.getHours(), now.getMinutes());
        board.picture((png) => {
            const link = element("a", { download: name, href: URL.createObjectURL(png) });
            document.body.append(link);
            link.click();
            link.remove();
            setTimeout(() => URL.revokeObjectURL(link.href), 60000);
            lastSave = { name, size: board.size(), bytes: png.size };
        });
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
        copyPicture, savePicture, cleanBoard, fullScreen: toggleFullScreen, help: help.show,
        sound() {
            sound.toggle();
            describe();
        },
        theory: theory.toggle,
    };
    const states = { fullScreen: () => Boolean(fullScreenElement()), sound: sound.isOn,
                     theory: theory.isOn };
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
        return byKey.get(input.ctrlKey ? `Ctrl+${key}` : key) || null;
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
    };
}
