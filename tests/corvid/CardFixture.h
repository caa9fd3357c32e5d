// A fixture for tests that drive the library through its C interface against
// the simulated card: every test starts with all cards closed, fresh simulated
// cards, card 0 current, the simulator selected and no coordinate state.
#pragma once

#include "Frame.h"
#include "corvid.h"
#include "sim/CardSim.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

class CCardTest : public ::testing::Test {
protected:
    using SReceived = corvid::sim::SReceived;

    void SetUp() override
    {
        CloseAllCards();
        setenv("CORVID_TRANSPORT", "sim", 1);
        unsetenv("CORVID_TRACE");
        unsetenv("CORVID_DEVICE_DIR");
        Bench().Reset();
        for (short card = 0; card < 16; ++card) {
            corvid::CardAt(card).coord = corvid::SCoordState{};
            corvid::CardAt(card).interruptControl = 0;
        }
    }

    void TearDown() override { CloseAllCards(); }

    static void CloseAllCards()
    {
        for (short card = 0; card < 16; ++card) {
            CV_SwitchtoCardNo(card);
            CV_Close();
        }
        CV_SwitchtoCardNo(0);
    }

    static corvid::sim::CSimBench& Bench() { return corvid::sim::CSimBench::Instance(); }
    static corvid::sim::CCardSim& Card(int index = 0) { return Bench().Card(index); }
    // What the library keeps about a card.
    static corvid::SCard& Lib(short index = 0) { return corvid::CardAt(index); }

    // Opens card 0 and forgets the reset handshake, so a test sees only its own requests.
    static void OpenQuietly()
    {
        ASSERT_EQ(CV_Open(), CV_RC_DONE);
        Card().ClearReceived();
    }

    static const std::vector<SReceived>& Received(int card = 0) { return Card(card).Received(); }
};
