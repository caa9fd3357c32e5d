"""corvid.py as a Python program uses it, on the simulated card."""

import ctypes
import unittest

import corvid


class CorvidPyTest(unittest.TestCase):
    def setUp(self):
        corvid.CV_SimSelect(1)
        corvid.CV_SimReset()

    def test_texts_come_back_whole(self):
        # Without its result type a text pointer comes back cut to 32 bits.
        self.assertTrue(corvid.err_text(corvid.CV_RC_COMM).startswith("communication failure"))
        self.assertTrue(corvid.err_text(corvid.CV_OS_BUSY).startswith("card busy"))

    def test_reals_arrays_and_pointers_reach_the_card_and_come_back(self):
        self.assertEqual(corvid.CV_SetVel(2.5), corvid.CV_RC_DONE)
        velocity = ctypes.c_double()
        self.assertEqual(corvid.CV_GetVel(ctypes.byref(velocity)), corvid.CV_RC_DONE)
        self.assertEqual(velocity.value, 2.5)
        coefficients = (ctypes.c_double * 5)(1, 0, 0, 0, 0)
        self.assertEqual(corvid.CV_MapAxis(1, coefficients), corvid.CV_RC_DONE)
        log = (corvid.CV_SimRequest * 4)()
        self.assertGreater(corvid.CV_SimLog(0, log, 4), 4)
        self.assertEqual(log[1].command, 66)

    def test_a_failure_tells_its_reason(self):
        corvid.CV_SimFault(0, corvid.CV_SIM_NO_DEVICE, 1)
        self.assertEqual(corvid.CV_Open(), corvid.CV_RC_COMM)
        self.assertEqual(corvid.CV_LastOsError(), corvid.CV_OS_NO_DEVICE)


if __name__ == "__main__":
    unittest.main()
