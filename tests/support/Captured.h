// Runs a piece of test code and returns what it printed, so a check of a
// message fits on one line. Header-only for the window-free unit tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

template <typename Body>
std::string capturedStdout(Body body)
{
    testing::internal::CaptureStdout();
    body();
    return testing::internal::GetCapturedStdout();
}

template <typename Body>
std::string capturedStderr(Body body)
{
    testing::internal::CaptureStderr();
    body();
    return testing::internal::GetCapturedStderr();
}
