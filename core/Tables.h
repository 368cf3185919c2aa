#pragma once

// The tone table and the model table: fixed for the program's run, built on
// first use.

#include <QString>
#include <array>
#include <vector>

// 0 off, 1..49 CTCSS, 50..153 DCS normal, 154..257 DCS inverted, each padded
// with blanks as the channel table shows it.
using ToneTexts = std::array<QString, 258>;
const ToneTexts& ToneTable();

// The tone entries without their padding, as the tone lists show them.
QStringList toneListItems();

struct Model
{
    QString name;
    int lowMHz;
    int highMHz;
};

const std::vector<Model>& ModelTable();

// The model in use: the program knows one model.
constexpr int ModelIndex = 0;
