// Z, "Zvuk": the run heard as it is drawn, through Web Audio, and a short tone at each move of
// the point readout's marker. The module works out the run's sound from the numbers the run draws
// and renders it, the marker's tone too; the page only plays it, on the audio clock, from the
// point the run has reached, the device's own delay taken off so that a step is heard as it is
// shown. Off at start-up; turned off, it falls silent at once.
function createSound(api, module, player) {
    let context = null;
    let on = false;
    let playing = null; // the run's sound under way: its source and its gain
    let tone = null; // the marker's latest tone, likewise

    // The samples the module has rendered, `size` of them, through `audio` (a live context or an
    // offline one) from its time `when`, `offset` seconds into them.
    function playRendered(audio, size, when, offset) {
        const buffer = audio.createBuffer(1, Math.max(1, size), audio.sampleRate);
        const at = api.soundData() / 4;
        buffer.copyToChannel(module.HEAPF32.subarray(at, at + size), 0);
        api.releaseSound();
        const source = audio.createBufferSource();
        source.buffer = buffer;
        const gain = audio.createGain();
        source.connect(gain).connect(audio.destination);
        source.start(when, Math.min(offset, buffer.duration));
        return { source, gain };
    }

    // The latest run's sound, from `offset` seconds into it.
    function schedule(audio, when, offset) {
        return playRendered(audio, api.renderSound(audio.sampleRate), when, offset);
    }

    let lastPlay = null; // when the latest run began, and where its sound was put on the clock

    function playFrom(started) {
        const delay = context.outputLatency || context.baseLatency || 0;
        const when = context.currentTime;
        const offset = (performance.now() - started) / 1000 + delay;
        const under = schedule(context, when, offset);
        lastPlay = { started, runStartOnTheClock: when - offset };
        under.source.onended = () => {
            if (playing === under)
                playing = null;
        };
        playing = under;
    }

    // Faded out quickly enough to be gone at once, slowly enough not to click.
    function fadeOut(under) {
        if (!under)
            return;
        const now = context.currentTime;
        under.gain.gain.setValueAtTime(1, now);
        under.gain.gain.linearRampToValueAtTime(0, now + 0.01);
        under.source.stop(now + 0.015);
    }

    function silence() {
        fadeOut(playing);
        playing = null;
        fadeOut(tone);
        tone = null;
    }

    return {
        isOn: () => on,
        // The key press or the click that turns it on is the gesture a browser asks for before
        // a page may sound.
        toggle() {
            on = !on;
            if (!on) {
                silence();
                return;
            }
            context = context || new AudioContext();
            context.resume();
            if (player.running())
                playFrom(player.lastRun().started);
        },
        runStarted(started) {
            if (on)
                playFrom(started);
        },
        // The marker has moved to a row: its tone, in place of the one before, so that a key
        // held down never piles tones up.
        pointMoved(row) {
            if (!on)
                return;
            fadeOut(tone);
            tone = playRendered(context, api.renderPointTone(row, context.sampleRate),
                                context.currentTime, 0);
        },
        end() {
            silence();
            if (context)
                context.close();
        },
        schedule,
        // How much later than its step the latest run's sound reaches the output, in
        // milliseconds, as the audio clock and the page's clock tell it; none before a run.
        lateness() {
            if (!lastPlay || !context.getOutputTimestamp)
                return null;
            const output = context.getOutputTimestamp();
            const heardAt = output.performanceTime
                + (lastPlay.runStartOnTheClock - output.contextTime) * 1000;
            return heardAt - lastPlay.started;
        },
    };
}
