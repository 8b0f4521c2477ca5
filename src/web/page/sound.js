// Z, "Zvuk": the run heard as it is drawn, through Web Audio. The module works out the run's
// sound from the numbers the run draws and renders it; the page only plays it, on the audio
// clock, from the point the run has reached, the device's own delay taken off so that a step is
// heard as it is shown. Off at start-up; turned off, it falls silent at once.
function createSound(api, module, player) {
    let context = null;
    let on = false;
    let playing = null; // the run's sound under way: its source and its gain

    // The latest run's sound, from `offset` seconds into it, through `audio` (a live context or
    // an offline one) from its time `when`.
    function schedule(audio, when, offset) {
        const size = api.renderSound(audio.sampleRate);
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

    function silence() {
        if (!playing)
            return;
        const now = context.currentTime;
        playing.gain.gain.setValueAtTime(1, now);
        playing.gain.gain.linearRampToValueAtTime(0, now + 0.01);
        playing.source.stop(now + 0.015);
        playing = null;
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
