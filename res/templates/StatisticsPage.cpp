#include "res/DialogTemplates.h"

#include <array>

namespace zel::res {
namespace {

constexpr unsigned kCount = Bordered | AutoHScroll | ReadOnly;

// The message list and its heading are kept for the layout but never shown.
constexpr std::array kControls{
    ControlTemplate{1035, ControlKind::Label, "Number of new messages", 7, 12, 87, 8, NoStyle, 0,
                    0},
    ControlTemplate{1036, ControlKind::Label, "Number of saved messages", 7, 33, 100, 8, NoStyle, 0,
                    0},
    ControlTemplate{1037, ControlKind::Label, "Total number of messages", 7, 53, 100, 8, NoStyle, 0,
                    0},
    ControlTemplate{1038, ControlKind::Label, "Max. stored messages", 7, 92, 100, 8, NoStyle, 0, 0},
    ControlTemplate{1014, ControlKind::Edit, "", 113, 10, 40, 14, kCount, 0, 16},
    ControlTemplate{1015, ControlKind::Edit, "", 113, 31, 40, 14, kCount, 0, 17},
    ControlTemplate{1016, ControlKind::Edit, "", 113, 51, 40, 14, kCount, 0, 18},
    ControlTemplate{1017, ControlKind::Edit, "", 113, 90, 40, 14, kCount, 0, 19},
    ControlTemplate{1019, ControlKind::ReportList, "", 164, 10, 216, 145, Bordered | Hidden, 0, 0},
    ControlTemplate{1039, ControlKind::CenteredLabel, "Messages list", 233, 0, 78, 8, Hidden, 0, 0},
};

constexpr DialogTemplate kStatisticsPage{140, "Mailbox Statistics", 387,      162, "MS Sans Serif",
                                         8,   ChildDialog,          kControls};

} // namespace

const DialogTemplate& statisticsPage()
{
    return kStatisticsPage;
}

} // namespace zel::res
