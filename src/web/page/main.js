// The page: the window's controls, built from the module's design; the drawing board, painted
// from the module's display lists; and the input, which waits while the board is busy. Once the
// page is ready for input, gives its parts.
async function main() {
    // The module's wasm is in the page, compressed, so it is handed over rather than fetched.
    const wasm = document.getElementById("wasm");
    const packed = new Blob([Uint8Array.from(atob(wasm.textContent), (c) => c.charCodeAt(0))]);
    const wasmBinary = new Uint8Array(await new Response(
        packed.stream().pipeThrough(new DecompressionStream("gzip"))).arrayBuffer());
    const module = await createLumorixModule({ wasmBinary });
    wasm.remove();
    const api = bindModule(module);
    const design = JSON.parse(api.design());

    // The client area and the board's menu are the page's main content; the painted title is
    // its heading too. The menu keeps to the browser's own pixels, outside the scaled area.
    const content = element("main");
    const client = element("div", { id: "client" });
    place(client, [0, 0, design.width, design.height]);
    const heading = element("h1", { class: "visually-hidden" });
    heading.textContent = design.labels.find((label) => label.name === "labInterference").caption;
    client.append(heading);
    content.append(client);
    document.body.append(content);
    document.title = design.title;

    const painter = createPainter(design);
    const stamps = createStamps(design, api, painter);
    const board = createBoard(design, api, painter, stamps, client);
    const theory = createTheory(design, api, board, client);
    let screen = null;
    const ending = createEnding(design.texts, () => {
        if (screen)
            screen.stop();
        input.drop();
        sound.end();
    });
    const player = createRunPlayer(api, board, runEnded);
    const sound = createSound(api, module, player);
    // What the drawing shows, for assistive technology, and whether it is heard.
    function describe() {
        board.description.textContent = api.drawingDescription(sound.isOn() ? 1 : 0);
    }
    const markBusy = () => document.documentElement.classList.add("busy");
    const point = createPoint(design, api, board, client, {
        running: player.running,
        sound,
        firstControl: () => buttons.first(),
    });
    const buttons = createButtons(design, client, {
        start() {
            markBusy();
            player.start();
            point.refresh(); // hidden while the run plays
            if (player.running())
                sound.runStarted(player.lastRun().started);
        },
        end: ending.end,
        busy: () => Boolean(api.busy()),
    });
    const frames = createOptionFrames(design, client, api);
    const slider = createSlider(design, client, api);
    const tabOrder = createTabOrder([...buttons.tabStops, ...frames.tabStops, ...slider.tabStops,
                                     ...point.tabStops]);

    const commands = createCommands(design, api, board, createHelpDialog(design.texts),
                                    { sound, theory, point }, { describe, fail });
    const menu = createContextMenu(design.texts, commands.entries, content);

    function handle(input) {
        if (menu.handle(input) || commands.handleKey(input))
            return true;
        if (input.type === "keydown" && input.key === "Tab") {
            tabOrder.move(input.shiftKey);
            return true;
        }
        const handled = [buttons, frames, slider, point].some((control) => control.handle(input));
        if (input.type !== "pointermove") {
            // The settings may have changed.
            theory.refresh();
            point.refresh();
        }
        return handled;
    }
    // What happens in a dialog is the dialog's; a pointer is the page's where it meets the
    // client area or the menu, but a request for the menu anywhere.
    function isNotThePages(event) {
        const target = event.target instanceof Element ? event.target : document.body;
        if (ending.ended() || target.closest("dialog"))
            return true;
        const pointer = event.type !== "keydown" && event.type !== "keyup";
        return pointer && event.type !== "contextmenu" && !target.closest("#client, #board-menu");
    }
    const input = takeInput(module, api, {
        handle,
        wantsPointerMoves: () => slider.wantsPointerMoves() || point.wantsPointerMoves(),
        neverWaits: commands.neverWaits,
    }, isNotThePages);

    // Busy while a run plays or the board is redrawn: the wait cursor shows, and input
    // waits until then.
    function boardMayBeIdle() {
        if (ending.ended())
            return;
        // The board may be at other pixels now, and a run may have ended.
        theory.refresh();
        point.refresh();
        if (api.busy()) {
            board.redraw();
            return;
        }
        document.documentElement.classList.remove("busy");
        input.handBack();
    }
    // A fatal error ends the program, once its message has been read.
    function fail(message) {
        input.drop();
        document.documentElement.classList.remove("busy");
        ending.showFatalError(message);
    }
    function runEnded(failure) {
        if (failure) {
            fail(failure);
            return;
        }
        describe();
        boardMayBeIdle();
    }
    board.whenShown(boardMayBeIdle);

    // Form_Load: the start-up selections, each running its handler, then the slowdown.
    for (const name of design.startUpSelections)
        frames.selectByName(name);
    api.writeStartUpSlowdown();

    await Promise.all(design.labels.map((label) => document.fonts.load(cssFont(label.font))));
    await document.fonts.ready;
    fitCaptions(client);
    screen = followScreen(api, client, {
        showAt(ratio) {
            board.showAt(ratio);
            if (api.busy())
                markBusy();
        },
    });
    focusOn(buttons.first());

    await new Promise((ready) => board.whenShown(() => {
        boardMayBeIdle();
        board.whenShown(boardMayBeIdle);
        ready();
    }));
    return { design, module, api, painter, stamps, player, ending, board, commands, sound };
}

// The page's parts, once it is ready for input.
const page = main();
