#pragma once

#include <list>
#include <string>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QObject;
struct KyMicBtnCall;
struct KyMicGroup;

// One key's call target in a setting dialog: a group box and a microphone
// box in an exclusive button group of their own (ids 1 and 2), each combo
// enabled exactly while its box is checked and usable (the dialog's call
// configuration ticked).
class KyCallTarget {
public:
    // Microphones offered by the combos: name (local 8-bit) and terminal id.
    using Microphones = std::vector<std::pair<std::string, int>>;

    KyCallTarget(QCheckBox* groupBox, QComboBox* groupCombo, QCheckBox* micBox, QComboBox* micCombo);

    // Builds the button group under owner, disables both combos and keeps
    // them in step with the call-configuration box; the dialog keeps them in
    // step with their own boxes (connected before anything is loaded).
    void setup(QObject* owner, QGroupBox* callConfig);
    void syncCombos();

    void fill(const Microphones& mics, const std::list<KyMicGroup>& groups);
    // A non-zero mic11 id checks the microphone box and selects that
    // microphone, otherwise the group box and the group.
    void load(const KyMicBtnCall& call);
    // mic11 and group ids of the checked box's current item, 0 otherwise.
    void store(KyMicBtnCall& call) const;

    // The mic11 terminals, then the m12 ones when withM12.
    static Microphones microphones(bool withM12);

private:
    QCheckBox* m_groupBox;
    QComboBox* m_groupCombo;
    QCheckBox* m_micBox;
    QComboBox* m_micCombo;
};
