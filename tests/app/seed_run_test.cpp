// The fuzzer's seed runs on the window: odd field texts put the scene partly or wholly off the
// surface, where the screen back end must clip what it paints. Each run ends on the window as it
// ends on the recording canvas, and the sanitized build sees every pixel write.

#include "experiment/experiment.h"
#include "experiment/run_recorder.h"
#include "fuzz/run_seed.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <string_view>

namespace lumorix {
namespace {

std::optional<FatalError> recordedRun(const ParameterTexts& fields) {
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
        const QByteArray bytes = seed.readAll();
        const ParameterTexts fields =
            fieldsFromRunSeed(std::string_view(bytes.constData(), bytes.size()));
        for (std::size_t field = 0; field < parameterFieldCount; ++field) {
            const auto which = static_cast<ParameterField>(field);
            setField(QString::fromUtf8(objectName(which)),
                     QString::fromStdString(fields.text(which)));
        }
        errors.clear();
        start();

        const std::optional<FatalError> expected = recordedRun(fields);
        ASSERT_EQ(errors.size(), expected ? 1u : 0u) << name.toStdString();
        if (expected) {
            EXPECT_EQ(errors[0].number(), expected->number()) << name.toStdString();
        }
    }
}

} // namespace
} // namespace lumorix
