#pragma once
// Inputs and findings of the fuzz targets.

#include "channelsketch.h"
#include "circlesketch.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

namespace fluvara::fuzz {

// Any double; infinities, NaNs, the largest and smallest magnitudes and both
// zeros come far more often than among random bits.
double AnyDouble(FuzzedDataProvider& in);

// A value a field check accepts: within [lower, upper], the bounds themselves
// and values on a two-decimal grid (as typed) among them.
double Accepted(FuzzedDataProvider& in, double lower, double upper);

// A text of at most maxBytes bytes, any bytes.
std::string AnyText(FuzzedDataProvider& in, std::size_t maxBytes);

// Sketch records as a stopped or finished calculation may leave them:
// any numbers, any flags.
TCircleSketch AnyCircleSketch(FuzzedDataProvider& in);
TChannelSketch AnyChannelSketch(FuzzedDataProvider& in);

// Reports a finding and stops the run, so that libFuzzer keeps the input.
[[noreturn]] void Finding(const std::string& what);

// Finding unless the value is finite.
void RequireFinite(double value, const char* name);

}  // namespace fluvara::fuzz
