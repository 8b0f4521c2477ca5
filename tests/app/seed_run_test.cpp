// The fuzzer's seed runs on the window: odd field texts put the scene partly or wholly off the
// surface, where the screen back end must clip what it paints. Each run ends on the window as it
// ends on the recording canvas, and the sanitized build sees every pixel write.

#include "experiment/experiment.h"
#include "experiment/run_recorder.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <array>

namespace lumorix {
namespace {

// The five field texts of a seed, one per line; the last field takes the rest.
std::array<QString, parameterFieldCount> fieldTexts(const QByteArray& seed) {
    std::array<QString, parameterFieldCount> texts;
    qsizetype start = 0;
    for (std::size_t field = 0; field < parameterFieldCount && start <= seed.size(); ++field) {
        const qsizetype end = field + 1 < parameterFieldCount ? seed.indexOf('\n', start) : -1;
        const qsizetype length = end < 0 ? seed.size() - start : end - start;
        texts[field] = QString::fromUtf8(seed.mid(start, length));
        start += length + 1;
    }
    return texts;
}

std::optional<FatalError> recordedRun(const std::array<QString, parameterFieldCount>& texts) {
    const ParameterTexts fields(texts[0].toStdString(), texts[1].toStdString(),
                                texts[2].toStdString(), texts[3].toStdString(),
                                texts[4].toStdString());
    RandomSequence random;
    RunRecorder recorder(random);
    return recorder.run(fields);
}

TEST_F(WindowTest, EverySeedRunEndsOnTheWindowAsOnTheRecordingCanvas) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QDir seeds(LUMORIX_RUN_SEEDS);
    const QStringList names = seeds.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << LUMORIX_RUN_SEEDS;

    for (const QString& name : names) {
        QFile seed(seeds.filePath(name));
        ASSERT_TRUE(seed.open(QIODevice::ReadOnly)) << name.toStdString();
        const auto texts = fieldTexts(seed.readAll());
        for (std::size_t field = 0; field < parameterFieldCount; ++field)
            setField(QString::fromUtf8(objectName(static_cast<ParameterField>(field))),
                     texts[field]);
        errors.clear();
        start();

        const std::optional<FatalError> expected = recordedRun(texts);
        ASSERT_EQ(errors.size(), expected ? 1u : 0u) << name.toStdString();
        if (expected) {
            EXPECT_EQ(errors[0].number(), expected->number()) << name.toStdString();
        }
    }
}

} // namespace
} // namespace lumorix
