// Konec, and the end after a fatal error: the page closes where the browser lets a page close
// itself, and otherwise says that the program has ended, offering to start it again.
function createEnding(texts, beforeTheEnd) {
    let ended = false;

    function end() {
        ended = true;
        beforeTheEnd();
        window.close();
        document.body.replaceChildren();
        const notice = element("div", { id: "ended", role: "alert" });
        const message = element("p");
        message.textContent = texts.programEnded;
        const restart = element("button", { id: "restart" });
        restart.textContent = texts.restart;
        restart.addEventListener("click", () => window.location.reload());
        notice.append(message, restart);
        document.body.append(notice);
        restart.focus();
    }

    return {
        ended: () => ended,
        end,
        showFatalError(message) {
            const dialog = element("dialog", { id: "fatal-error", role: "alertdialog",
                                               "aria-labelledby": "fatal-error-title" });
            const title = element("h1", { id: "fatal-error-title" });
            title.textContent = texts.fatalErrorTitle;
            const text = element("p");
            text.textContent = message;
            const row = element("div");
            const ok = element("button");
            ok.textContent = texts.fatalErrorButton;
            ok.addEventListener("click", () => dialog.close());
            row.append(ok);
            dialog.append(title, text, row);
            dialog.addEventListener("close", end);
            document.body.append(dialog);
            dialog.showModal();
            ok.focus();
        },
    };
}
