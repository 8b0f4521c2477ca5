// The teacher's commands on the drawing board, as on the desktop: the picture copied or saved
// as it is shown, a clean board, full screen, the help, the sound and the formula's fringes.
// Ctrl+C, Ctrl+S, Ctrl+N, F1, Z and T are the page's; F11 stays the browser's own full screen,
// which the page fits itself to as well.
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

    // By the key the design names for each, in the menu's order.
    const byKey = {
        "Ctrl+C": copyPicture, "Ctrl+S": savePicture, "Ctrl+N": cleanBoard,
        F11: toggleFullScreen, F1: help.show,
        Z: () => {
            sound.toggle();
            describe();
        },
        T: theory.toggle,
    };
    const states = { F11: () => Boolean(fullScreenElement()), Z: sound.isOn, T: theory.isOn };
    const pressed = (input) => {
        if (input.ctrlKey)
            return `Ctrl+${input.key.toUpperCase()}`;
        return input.key.length === 1 ? input.key.toUpperCase() : input.key;
    };
    return {
        // The menu's entries, in its order: caption, key, what it does, and whether it is on.
        entries: design.commands.map((command) => ({
            ...command,
            run: byKey[command.key],
            on: command.checkable ? states[command.key] : null,
        })),
        handleKey(input) {
            if (input.type !== "keydown" || (input.shiftKey && !input.ctrlKey))
                return false;
            const command = pressed(input);
            if (command === "F11" || !(command in byKey))
                return false;
            byKey[command]();
            return true;
        },
        // A command that changes nothing a run reads, as the sound, is handled at once.
        neverWaits: (input) => input.type === "keydown"
            && design.commands.some((command) => command.neverWaits
                                    && command.key === pressed(input)),
        lastCopy: () => lastCopy,
        lastSave: () => lastSave,
    };
}
