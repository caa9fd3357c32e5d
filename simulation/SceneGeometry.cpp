#include "simulation/SceneGeometry.h"

namespace {

// The headstock's side profile: the housing with its chamfered top front
// corner and the apron that leans out over the base.
SPrism HeadstockPart(double x0, double x1, bool low, bool high)
{
    return {x0, x1, 9,
            {{400, 0}, {780, 0}, {780, 300}, {770, 310}, {543, 310}, {530, 320}, {510, 400},
             {500, 410}, {400, 420}},
            low, high};
}

// A bed way: flat sides with a peaked top.
SPrism Way(double z0, double z1)
{
    const double mid = (z0 + z1) / 2.0;
    return {300, 1200, 5, {{400, z0}, {500, z0}, {523, mid}, {500, z1}, {400, z1}}};
}

std::vector<SPanelGroup> BuildBody()
{
    std::vector<SPanelGroup> g;
    g.push_back({{0.1f, 0.55f, 0.64f}, {}, {HeadstockPart(0, 100, true, false)}, {}});
    g.push_back({{0.1f, 0.3f, 0.64f}, {}, {HeadstockPart(100, 300, false, true)}, {}});
    g.push_back({{1.0f, 1.0f, 1.0f}, {{0, 300, 370, 780, -200, 0}}, {}, {}});
    g.push_back({{0.0f, 0.4f, 0.94f},
                 {
                     {0, 1200, 20, 300, 0, 420},      // cabinet
                     {0, 300, 300, 400, 0, 420},      // under the headstock
                     {300, 1200, 300, 400, 0, 330},   // bed, set back for the feed rod
                     {30, 1170, 0, 20, 30, 390},      // plinth
                     {340, 740, 50, 270, 420, 424},   // cabinet doors
                     {780, 1170, 50, 270, 420, 424},
                 },
                 {},
                 {}});
    g.push_back({{0.5f, 0.5f, 0.5f},
                 {
                     {300, 1205, 130, 920, -200, -180}, // splash wall
                     {1185, 1205, 400, 920, -180, 60},  // end wall
                     {300, 1205, 900, 920, -180, 60},   // top rail
                 },
                 {},
                 {{4, {{300, 400, 0}, {1185, 400, 0}, {1185, 560, -180}, {300, 560, -180}}}}});
    g.push_back({{0.0f, 0.0f, 0.0f},
                 {{720, 730, 130, 190, 424, 434}, {790, 800, 130, 190, 424, 434}},
                 {Way(50, 85), Way(215, 250)},
                 {{4, {{120, 562.5, 314}, {280, 562.5, 314}, {280, 747.5, 314}, {120, 747.5, 314}}}}});
    g.push_back({{0.0f, 0.4f, 0.1f},
                 {{300, 1150, 320, 340, 360, 400}},
                 {},
                 {{4, {{300, 340, 400}, {1150, 340, 400}, {1150, 480, 360}, {300, 480, 360}}}}});
    return g;
}

} // namespace

const std::vector<SPanelGroup>& MachineBodyGroups()
{
    static const std::vector<SPanelGroup> groups = BuildBody();
    return groups;
}

const SPanelGroup& SaddlePanels()
{
    static const SPanelGroup saddle{{0.6f, 0.3f, 0.1f},
                                    {{-80, 80, -40, 0, 0, 330}, {-80, 80, -230, 20, 330, 380}},
                                    {},
                                    {}};
    return saddle;
}

const SPanelGroup& CrossSlidePanels()
{
    static const SPanelGroup slide{{0.2f, 0.3f, 0.4f},
                                   {{-70, 70, 0, 40, -220, 80},
                                    {-60, 60, 40, 60, -200, 60},
                                    {-15, 15, 10, 30, 80, 80}},
                                   {},
                                   {}};
    return slide;
}

const SPanelGroup& TurretBlockPanels()
{
    static const SPanelGroup block{{0.4f, 0.4f, 0.4f},
                                   {{-60, 60, 60, 80, -60, 60},
                                    {-60, 60, 110, 130, -60, 60},
                                    {-40, 40, 80, 110, -40, 40}},
                                   {},
                                   {}};
    return block;
}

const SPanelGroup& TailstockBodyPanels()
{
    static const SPanelGroup body{
        {0.4f, 0.3f, 0.25f},
        {{-70, 70, 60, 100, -110, 110}},
        {{-70, 70, 4, {{100, -85}, {200, -50}, {200, 50}, {100, 85}}}},
        {}};
    return body;
}

const std::vector<SDoorFace>& DoorFaces()
{
    constexpr double full0 = 0, full1 = -380;
    static const std::vector<SDoorFace> faces = {
        {{0, 0}, {20, 100}, full0, full1},       {{20, 100}, {50, 120}, full0, full1},
        {{50, 120}, {250, 120}, full0, full1},   {{250, 120}, {260, 117}, full0, full1},
        {{260, 117}, {270, 120}, full0, full1},  {{270, 120}, {310, 120}, full0, full1},
        {{310, 120}, {495, 20}, 0, -30},         {{310, 120}, {495, 20}, -350, -380},
        {{495, 20}, {505, 10}, full0, full1},    {{505, 10}, {505, -280}, 0, -30},
        {{505, 10}, {505, -280}, -350, -380},    {{505, -280}, {505, -250}, full0, full1},
    };
    return faces;
}

const std::vector<SDoorFace>& DoorWindowFaces()
{
    static const std::vector<SDoorFace> faces = {
        {{310, 120}, {495, 20}, -30, -350},
        {{505, 10}, {505, -280}, -30, -350},
    };
    return faces;
}
