#include "qtcommon/file_calibration_store.h"
#include "qtcommon/translations.h"
#include "startup/particle_budget.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tarvon {
namespace {

struct CalibrationFile : ::testing::Test {
    QTemporaryDir dir;
    // The cache folder may not exist yet on a fresh account.
    FileCalibrationStore store{dir.filePath("cache/Optim_boles.txt")};
};

TEST_F(CalibrationFile, WrittenWholeIntoAFolderMadeForItAndReadBack) {
    EXPECT_EQ(ReadParticleBudget(store), (ParticleBudget{81, 9}));
    ASSERT_EQ(store.write(" .07\r\n 150\r\n"), std::nullopt);
    QFile file(store.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(" .07\r\n 150\r\n"));
    EXPECT_EQ(ReadParticleBudget(store), (ParticleBudget{144, 12}));

    ASSERT_EQ(store.write(" .07\r\n 50\r\n"), std::nullopt); // replaces, not appends
    EXPECT_EQ(store.read(), std::string(" .07\r\n 50\r\n"));
    // Nothing but the file is left behind.
    EXPECT_EQ(QDir(dir.filePath("cache")).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(CalibrationFile, DeletingTellsAMissingFileFromAFailure) {
    ASSERT_EQ(store.write(" .07\r\n 400\r\n"), std::nullopt);
    EXPECT_EQ(store.remove().outcome, CalibrationStore::Removal::Deleted);
    EXPECT_FALSE(QFile::exists(store.path()));
    EXPECT_EQ(store.remove().outcome, CalibrationStore::Removal::NotThere);

    // A folder in the file's place cannot be deleted as a file.
    ASSERT_TRUE(QDir().mkpath(store.path() + "/inside"));
    const CalibrationStore::RemoveResult failed = store.remove();
    EXPECT_EQ(failed.outcome, CalibrationStore::Removal::Failed);
    EXPECT_FALSE(failed.error.empty());
}

TEST_F(CalibrationFile, AFailedWriteGivesTheFileOperationsMessage) {
    QFile blocker(dir.filePath("cache"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder goes
    blocker.close();
    const std::optional<std::string> error = store.write(" .07\r\n 150\r\n");
    EXPECT_TRUE(error && !error->empty());
}

TEST_F(CalibrationFile, SomethingOtherThanAFileAtThePathIsNeitherReplacedNorDeleted) {
    ASSERT_TRUE(QDir().mkpath(dir.filePath("cache")));
    const QByteArray fifo = QFile::encodeName(store.path());
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    // Read as a damaged file: the smallest budget, at once.
    EXPECT_EQ(ReadParticleBudget(store), (ParticleBudget{81, 9}));

    const std::optional<std::string> refused = store.write(" .07\r\n 150\r\n");
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find(store.path().toStdString()), std::string::npos) << *refused;
    const CalibrationStore::RemoveResult kept = store.remove();
    EXPECT_EQ(kept.outcome, CalibrationStore::Removal::Failed);
    EXPECT_NE(kept.error.find(store.path().toStdString()), std::string::npos) << kept.error;
    EXPECT_NE(kept.error, *refused); // says which of the two was refused
    {
        // In the user's language, still naming the path.
        const Translations castella(Idioma::Castella);
        const std::optional<std::string> spanish = store.write(" .07\r\n 150\r\n");
        ASSERT_TRUE(spanish);
        EXPECT_NE(*spanish, *refused);
        EXPECT_NE(spanish->find(store.path().toStdString()), std::string::npos) << *spanish;
        EXPECT_NE(store.remove().error, kept.error);
    }
    struct stat st {};
    ASSERT_EQ(::lstat(fifo.constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(QDir(dir.filePath("cache"))
                  .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                  .size(),
              1);
}

TEST_F(CalibrationFile, ALinkToTheFileIsReadWrittenThroughAndDeletedAlone) {
    ASSERT_TRUE(QDir().mkpath(dir.filePath("cache")));
    const QString real = dir.filePath("real.txt");
    ASSERT_TRUE(QFile::link(real, store.path()));
    EXPECT_EQ(store.remove().outcome, CalibrationStore::Removal::Deleted); // dangling link
    ASSERT_TRUE(QFile::link(real, store.path()));
    ASSERT_EQ(store.write(" .07\r\n 400\r\n"), std::nullopt);
    EXPECT_EQ(ReadParticleBudget(store), (ParticleBudget{400, 20}));
    EXPECT_EQ(store.remove().outcome, CalibrationStore::Removal::Deleted);
    EXPECT_FALSE(QFileInfo(store.path()).isSymLink());
    EXPECT_TRUE(QFile::exists(real));
}

} // namespace
} // namespace tarvon
