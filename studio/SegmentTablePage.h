// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/SegmentCode.h"
#include "studio/GeneratorPage.h"

#include <array>
#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace zandrel::studio {

class SegmentDigits;

// 段码表: the codes of characters for a seven-segment display wired any way.
class SegmentTablePage : public GeneratorPage
{
    Q_OBJECT

public:
    explicit SegmentTablePage(QWidget *parent = nullptr);

    // The wiring as chosen: the segment of each port bit, bit 7 first ("DP,G,F,E,D,C,B,A"), and
    // the common pin.
    QString pinsText() const;
    SegmentWiring wiring() const;
    // Draws each code as the digit it lights, labelled with its character.
    void showCodes(std::vector<std::uint8_t> codes, const QStringList &labels);

protected:
    PageResult makeResult() override;
    void showResult(const PageResult &result) override;

private:
    QComboBox *common_;
    std::array<QComboBox *, 8> pins_{};
    QLineEdit *chars_;
    QCheckBox *dp_;
    QComboBox *format_;
    QLineEdit *name_;
    QComboBox *compiler_;
    QCheckBox *crlf_;
    SegmentDigits *digits_;
    std::vector<std::uint8_t> codes_; // of the last result, with their characters
    QStringList labels_;
};

} // namespace zandrel::studio
