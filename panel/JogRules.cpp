#include "panel/JogRules.h"

#include <array>

namespace {

bool InJog(const CPanelState& s) { return s.m_nRefMode == ERefMode::Jog; }
bool InReference(const CPanelState& s) { return s.m_nRefMode == ERefMode::ReferenceReturn; }

EJogAlarm PlusZ(CPanelState& s)
{
    if (InReference(s))
        s.m_dTurretZ = jog::kReferenceZ;
    if (InJog(s) && s.m_dTurretZ < jog::kPlusZLimit)
        s.m_dTurretZ += JogStep(s);
    return s.m_dTurretZ > jog::kPlusZLimit ? EJogAlarm::PlusZOvertravel : EJogAlarm::None;
}

EJogAlarm MinusZ(CPanelState& s)
{
    if (InJog(s) && s.m_dTurretZ >= jog::kChuckZLimit)
        s.m_dTurretZ -= JogStep(s);
    return s.m_dTurretZ < jog::kChuckZLimit ? EJogAlarm::ChuckCollision : EJogAlarm::None;
}

EJogAlarm PlusX(CPanelState& s)
{
    if (InReference(s))
        s.m_dTurretX = jog::kReferenceX;
    if (InJog(s) && s.m_dTurretX < jog::kPlusXLimit)
        s.m_dTurretX += JogStep(s);
    return s.m_dTurretX >= jog::kPlusXLimit ? EJogAlarm::PlusXOvertravel : EJogAlarm::None;
}

EJogAlarm MinusX(CPanelState& s)
{
    if (InJog(s) && s.m_dTurretX > jog::kMinusXLimit)
        s.m_dTurretX -= JogStep(s);
    return s.m_dTurretX <= jog::kMinusXLimit ? EJogAlarm::MinusXOvertravel : EJogAlarm::None;
}

} // namespace

double JogStep(const CPanelState& state)
{
    return jog::kStep + (state.m_bRapid == 1 ? jog::kRapidExtra : 0.0);
}

EJogAlarm Jog(CPanelState& state, EJogKey key)
{
    using Rule = EJogAlarm (*)(CPanelState&);
    static constexpr std::array<Rule, 4> kRules = {PlusZ, MinusZ, PlusX, MinusX};
    return kRules[static_cast<std::size_t>(key)](state);
}

SJogAlarmReport JogAlarmReport(EJogAlarm alarm)
{
    switch (alarm) {
    case EJogAlarm::PlusZOvertravel: return {"+z向超程!", false};
    case EJogAlarm::ChuckCollision: return {"刀具与卡盘碰撞!", true};
    case EJogAlarm::PlusXOvertravel: return {"+x向超程!", false};
    case EJogAlarm::MinusXOvertravel: return {"-x向超程!", false};
    case EJogAlarm::None: break;
    }
    return {};
}
