#include "app/ProgramOpenDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

TEST(ProgramOpenDialog, EntersAGbkFolderAndOpensAGbkFileByItsShownName)
{
    const fs::path dir = fs::temp_directory_path() / ("velmora-open-" + std::to_string(::getpid()));
    const fs::path folder = dir / "\xb3\xcc\xd0\xf2"; // 程序
    fs::create_directories(folder);
    std::ofstream(folder / "\xd4\xb2\xbb\xa1.txt") << "G00X1Z1\n"; // 圆弧.txt

    CProgramOpenDialog dialog(dir.string());
    ASSERT_EQ(dialog.Entries()->count(), 1);
    EXPECT_EQ(dialog.Entries()->item(0)->text(), "程序");
    emit dialog.Entries()->itemActivated(dialog.Entries()->item(0));
    EXPECT_EQ(dialog.Folder(), folder.string());
    ASSERT_EQ(dialog.Entries()->count(), 1);
    EXPECT_EQ(dialog.Entries()->item(0)->text(), "圆弧.txt");

    dialog.NameField()->setText("缺少");
    dialog.OpenTyped();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.ErrorLine()->text(), "找不到文件“缺少”，请检查文件名是否正确。");

    dialog.NameField()->setText("圆弧"); // the suffix may be left out, as in other dialogs
    dialog.OpenTyped();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenPath(), (folder / "\xd4\xb2\xbb\xa1.txt").string());
    fs::remove_all(dir);
}
