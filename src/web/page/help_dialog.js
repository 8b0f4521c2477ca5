// F1: the Czech help, in a dialog on the page, over the client area. Esc or Zavřít closes it, and
// the keyboard's focus goes back where it was.
function createHelpDialog(texts) {
    const dialog = element("dialog", { id: "help", "aria-labelledby": "help-title" });
    const title = element("h1", { id: "help-title" });
    title.textContent = texts.helpTitle;
    // Reachable by Tab, so that the arrow and page keys scroll a help longer than the dialog.
    const text = element("div", { class: "help-text", tabindex: "0" });
    text.innerHTML = texts.help; // the program's own help, from the module
    const row = element("div", { class: "buttons" });
    const close = element("button");
    close.textContent = texts.close;
    close.addEventListener("click", () => dialog.close());
    row.append(close);
    dialog.append(title, text, row);
    let returnTo = null;
    dialog.addEventListener("close", () => {
        if (returnTo)
            focusOn(returnTo);
    });
    return {
        show() {
            if (!dialog.isConnected)
                document.body.append(dialog);
            if (dialog.open)
                return;
            returnTo = document.activeElement;
            dialog.showModal();
            close.focus();
        },
    };
}
