#include "effects.h"

#include <iomanip>

namespace huevane {

namespace {

const char* NameOf(Control control) {
    switch (control) {
        case Control::Copy: return "Copy";
        case Control::Slot1: return "Slot1";
        case Control::Slot2: return "Slot2";
        case Control::Slot3: return "Slot3";
        case Control::Slot4: return "Slot4";
        case Control::Slot5: return "Slot5";
        case Control::HotKey: return "HotKey";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, const HotKeyCombination& c) {
    return out << "vk " << c.virtualKey << " flags " << c.flags << " mods " << c.modifiers;
}

std::ostream& operator<<(std::ostream& out, HotKeyRefusal refusal) {
    return out << (refusal == HotKeyRefusal::Taken ? "taken" : "unusable");
}

struct Printer {
    std::ostream& out;

    void operator()(const EnableControl& e) const {
        out << (e.enable ? "Enable(" : "Disable(") << NameOf(e.control) << ')';
    }
    void operator()(const ToggleMenuMark& e) const {
        out << "ToggleMenuMark(" << e.item.popup << ", " << e.item.item << ')';
    }
    void operator()(const StartSampleTimer&) const { out << "StartSampleTimer"; }
    void operator()(const StopSampleTimer&) const { out << "StopSampleTimer"; }
    void operator()(const ReadForCapture&) const { out << "ReadForCapture"; }
    void operator()(const SetTopmost& e) const { out << "SetTopmost(" << e.topmost << ')'; }
    void operator()(const RepaintWindow&) const { out << "RepaintWindow"; }
    void operator()(const BindHotKey& e) const {
        static constexpr const char* kRequests[] = {"start-up", "switch on", "change", "keep stored"};
        out << "BindHotKey(" << e.combination << ", " << kRequests[static_cast<int>(e.request)];
        if (e.request == HotKeyRequest::KeepStored) out << ", refused " << e.refused << ' ' << e.refusal;
        out << (e.noRepeat ? ")" : ", repeating)");
    }
    void operator()(const TellHotKeyRefused& e) const {
        out << "TellHotKeyRefused(" << e.refused << ' ' << e.refusal;
        if (e.kept) out << ", kept " << *e.kept;
        out << (e.hotKeysOff ? ", Hot Keys off)" : ")");
    }
    void operator()(const ReleaseHotKey&) const { out << "ReleaseHotKey"; }
    void operator()(const DestroyMenuBar&) const { out << "DestroyMenuBar"; }
    void operator()(const ShowHotKey& e) const {
        out << "ShowHotKey(vk " << e.virtualKey << ", flags " << e.flags << ')';
    }
    void operator()(const SetHotKeyRules& e) const {
        out << "SetHotKeyRules(" << e.invalidCombinations << ", " << e.replacementFlags << ')';
    }
    void operator()(const AddFormatItem& e) const { out << "AddFormatItem(\"" << e.text << "\")"; }
    void operator()(const SelectFormatItem& e) const { out << "SelectFormatItem(" << e.index << ')'; }
    void operator()(const SetValueText& e) const { out << "SetValueText(\"" << e.text << "\")"; }
    void operator()(const SelectAllValueText&) const { out << "SelectAllValueText"; }
    void operator()(const ScrollValueCaret&) const { out << "ScrollValueCaret"; }
    void operator()(const CopyValueSelection&) const { out << "CopyValueSelection"; }
    void operator()(const PaintSwatches& e) const {
        out << "PaintSwatches(" << std::hex << std::setfill('0');
        for (COLORREF colour : e.colours) out << " 0x" << std::setw(8) << colour;
        out << std::dec << " )";
    }
    void operator()(const SlotNamesChanged&) const { out << "SlotNamesChanged"; }
    void operator()(const CopyNameChanged&) const { out << "CopyNameChanged"; }
    void operator()(const Announce& e) const { out << "Announce(\"" << e.text << "\")"; }
    void operator()(const PaintProbe&) const { out << "PaintProbe"; }
    void operator()(const EraseProbe&) const { out << "EraseProbe"; }
    void operator()(const ArmScreenCheck& e) const { out << "ArmScreenCheck(" << e.periodMs << " ms)"; }
    void operator()(const StopScreenCheck&) const { out << "StopScreenCheck"; }
    void operator()(const TellScreenUnreadable&) const { out << "TellScreenUnreadable"; }
    void operator()(const ShowNothingRead&) const { out << "ShowNothingRead"; }
};

}  // namespace

std::ostream& operator<<(std::ostream& out, const Effect& effect) {
    std::visit(Printer{out}, effect);
    return out;
}

}  // namespace huevane
