// The machined part as a closed mesh.
#include "simulation/ProfileMesh.h"
#include "simulation/Workpiece.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <numbers>

namespace {

// Every edge of a closed, consistently wound mesh is used once in each direction.
bool IsClosed(const std::vector<STriangle>& mesh)
{
    std::map<std::pair<TVertex, TVertex>, int> edges;
    for (const STriangle& t : mesh) {
        ++edges[{t.a, t.b}];
        ++edges[{t.b, t.c}];
        ++edges[{t.c, t.a}];
    }
    for (const auto& [edge, count] : edges) {
        const auto reverse = edges.find({edge.second, edge.first});
        if (count != 1 || reverse == edges.end() || reverse->second != 1)
            return false;
    }
    return !mesh.empty();
}

// The volume of the profile revolved as a polygon of n sides.
double PolygonVolume(const CWorkpiece& work, int slices, double bore, int n)
{
    const double area = n / 2.0 * std::sin(2.0 * std::numbers::pi / n);
    double volume = 0.0;
    for (int i = 0; i < slices; ++i) {
        const double r = std::max(work.profile_r[i], bore);
        volume += area * (r * r - bore * bore) * work.slice_len;
    }
    return volume;
}

struct ProfileMesh : ::testing::Test {
    std::unique_ptr<CWorkpiece> work = std::make_unique<CWorkpiece>();
    void Stock(const SPartShape& shape) { ResetWorkpiece(*work, shape.outerDiameter, shape.length); }
};

TEST_F(ProfileMesh, MachinedBarIsClosedWithTheProfilesVolume)
{
    const SPartShape bar{40, 0, 50};
    Stock(bar);
    for (int i = 3; i < 12; ++i)
        work->profile_r[i] = 12.5;
    work->profile_r[20] = 19.0;
    const auto mesh = RevolveProfile(*work, bar);
    EXPECT_TRUE(IsClosed(mesh));
    EXPECT_NEAR(MeshVolume(mesh), PolygonVolume(*work, 50, 0, kMeshSegments), 1e-2);
}

TEST_F(ProfileMesh, TubeKeepsItsBoreAndSplitsWhereTheWallIsCutThrough)
{
    const SPartShape tube{40, 20, 30};
    Stock(tube);
    work->profile_r[10] = 8.0; // below the bore: the part falls in two
    work->profile_r[11] = 15.0;
    const auto mesh = RevolveProfile(*work, tube);
    EXPECT_TRUE(IsClosed(mesh));
    EXPECT_NEAR(MeshVolume(mesh), PolygonVolume(*work, 30, 10, kMeshSegments), 1e-2);
}

TEST_F(ProfileMesh, NothingLeftGivesNoTriangles)
{
    const SPartShape bar{40, 0, 5};
    Stock(bar);
    for (int i = 0; i < 5; ++i)
        work->profile_r[i] = -1.0;
    EXPECT_TRUE(RevolveProfile(*work, bar).empty());
}

} // namespace
