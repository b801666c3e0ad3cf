#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/SingleInstance.h"
#include "app/Startup.h"

TEST(SingleInstance, ASecondCopyIsRefusedUntilTheFirstHasGone) {
    QTemporaryDir dir;
    const std::string lock = dir.filePath("game.lock").toStdString();
    {
        SingleInstance first;
        ASSERT_TRUE(first.Acquire(lock));
        SingleInstance second;
        EXPECT_FALSE(second.Acquire(lock));
    }
    // The lock file is still there, as after a crash; it must not block the next start.
    SingleInstance next;
    EXPECT_TRUE(next.Acquire(lock));
}

TEST(SingleInstance, EachProgramFolderHasItsOwnLock) {
    EXPECT_NE(SingleInstance::LockPathFor("/opt/a"), SingleInstance::LockPathFor("/opt/b"));
    EXPECT_EQ(SingleInstance::LockPathFor("/opt/a"), SingleInstance::LockPathFor("/opt/a"));
}

TEST(ProgramFolder, EndsInExactlyOneSeparator) {
    EXPECT_EQ(WithTrailingSeparator("/opt/tomavel"), "/opt/tomavel/");
    EXPECT_EQ(WithTrailingSeparator("/opt/tomavel/"), "/opt/tomavel/");
    EXPECT_EQ(WithTrailingSeparator("/"), "/");
}
