// The tool library's rows and how its result mounts and removes tools.
#include "editor/ToolLibrary.h"
#include "simulation/SceneCommands.h"
#include "simulation/TurretState.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolLibrary, EditChangesTheSixDimensionsOfOneRowOnly)
{
    CToolLibrary library;
    TToolEditTexts texts = library.EditTexts(1);
    EXPECT_EQ(texts[0], "130.0");
    EXPECT_EQ(texts[5], "5.0");
    texts[0] = "140.0";
    library.ApplyEdit(1, texts);
    EXPECT_EQ(library.Rows()[1][2], "140.0");
    EXPECT_EQ(library.Rows()[1][1], "切槽车刀");
    EXPECT_EQ(library.Rows()[0][2], "130.0");
    EXPECT_EQ(CToolLibrary().Rows()[1][2], "130.0");
}

TEST(ToolSelection, MountMakesTheClickedToolCurrentAndMounted)
{
    CTurretState turret;
    CToolLibrary library;
    library.Click(2);
    library.RequestMount();
    ApplyToolSelection(turret, library.Result());
    EXPECT_EQ(turret.currentTool, 2);
    EXPECT_EQ(turret.mounted[2], 1);
}

TEST(ToolSelection, RemovalLeavesTheToolCurrentButOffTheTurret)
{
    CTurretState turret;
    turret.mounted[0] = 1;
    ApplyToolSelection(turret, {0, 1, 1});
    EXPECT_EQ(turret.currentTool, 0);
    EXPECT_EQ(turret.mounted[0], 0);
}

TEST(ToolSelection, ARequestWithoutAClickedRowChangesNoMountedFlag)
{
    CTurretState turret;
    turret.currentTool = 1;
    turret.mounted[1] = 1;
    ApplyToolSelection(turret, {-1, 1, 1});
    EXPECT_EQ(turret.currentTool, -1);
    EXPECT_EQ(turret.mounted[0] + turret.mounted[1] + turret.mounted[2], 1);
    ApplyToolSelection(turret, {2, 0, 0});
    EXPECT_EQ(turret.currentTool, -1);
}

} // namespace
