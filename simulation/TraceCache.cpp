#include "simulation/TraceCache.h"

#include "simulation/Simulation.h"

#include <algorithm>
#include <cmath>

// A point that carries on the last straight stretch moves its end instead of
// adding a segment: a move recorded millimetre by millimetre is drawn as one
// line, the same picture for a fraction of the work.
void CTraceCache::Append(double z, double x)
{
    const size_t n = m_points.size() / 3;
    if (n >= 2) {
        const float* a = &m_points[3 * (n - 2)];
        const float* b = &m_points[3 * (n - 1)];
        const double ux = b[0] - a[0], uy = b[2] - a[2];
        const double vx = z - b[0], vy = x - b[2];
        const double cross = ux * vy - uy * vx, dot = ux * vx + uy * vy;
        if (std::fabs(cross) <= 1e-6 * std::sqrt((ux * ux + uy * uy) * (vx * vx + vy * vy))
            && dot > 0.0) {
            m_points[3 * (n - 1)] = float(z);
            m_points[3 * (n - 1) + 2] = float(x);
            return;
        }
    }
    m_points.insert(m_points.end(), {float(z), 0.0f, float(x)});
}

const std::vector<float>& CTraceCache::Update(const CSimulation& sim)
{
    const CWorkpiece& w = sim.workpiece;
    // A new run can record points that look just like the last run's: only
    // the run counter tells them apart.
    if (sim.interp.run != m_run || w.nn < m_taken) {
        m_points.clear();
        m_taken = 0;
        m_run = sim.interp.run;
    }
    const int nn = std::clamp(w.nn, 0, CWorkpiece::kCapacity);
    for (; m_taken < nn; ++m_taken)
        Append(w.Dg_z[m_taken], w.Dg_x[m_taken]);
    return m_points;
}
