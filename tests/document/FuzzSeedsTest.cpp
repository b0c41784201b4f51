#include "document/COstrelsDoc.h"
#include "elements/CShapes.h"
#include "elements/CText.h"
#include "support/CardFileFixtures.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

// Writes the card file fuzzer's seed corpus into $KESTOVA_FUZZ_SEEDS (see
// fuzz/run-card-file-fuzzer.sh); without it there is nothing to do.
TEST(FuzzSeeds, WriteSeedCorpus)
{
    const QString folder = qEnvironmentVariable("KESTOVA_FUZZ_SEEDS");
    if (folder.isEmpty())
        GTEST_SKIP() << "KESTOVA_FUZZ_SEEDS not set";
    const auto write = [&](const char* szName, const QByteArray& bytes) {
        QFile f(QDir(folder).filePath(QLatin1String(szName)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    COstrelsDoc empty;
    write("empty.kvzd", CardFileBytes(empty));
    auto every = MakeDesignWithEveryClass();
    write("every-class.kvzd", CardFileBytes(*every));

    CText text(QPoint(0, 0), QPoint(80, 30));
    text.m_strText = QStringLiteral("Ωμέγα");
    CRectangle rect(QPoint(10, 10), QPoint(60, 40));
    write("predecessor-120.kvzd", MakePredecessorFile(QStringLiteral("1.2.0"), MakePredecessorList({&text, &rect})));
    write("predecessor-101.kvzd", MakePredecessorFile(QStringLiteral(" 1.0.1 "), MakePredecessorList({&rect})));
}
