#pragma once
// The computer's power management in the words of the platform-free rules: what a computer can do besides shutting
// down, and the calls that power it down.

// What a computer can do besides shutting down, as its system says at the moment of asking.
struct PowerCapabilities {
    bool classicSleep;   // sleep to memory, S1 to S3
    bool modernStandby;  // Modern Standby (S0 low-power idle), where a computer has no classic sleep
    bool hibernate;      // S4, with a hibernation file
};

// The calls that power a computer down. A Modern Standby computer without classic sleep stands by when its displays
// go off; suspending it would hibernate it instead.
enum class PowerAction { Shutdown, Sleep, Hibernate, DisplaysOff };
