#pragma once

// The tone table and the model table, built once at start-up.

// Fills ToneTable: 0 off, 1..49 CTCSS, 50..153 DCS normal, 154..257 DCS inverted,
// each padded with blanks as the channel table shows it.
void BuildToneTables();

// Fills ModelNames and ModelBandLimits and takes the range of ModelIndex into
// FreqRangeLow and FreqRangeHigh.
void BuildModelTable();
