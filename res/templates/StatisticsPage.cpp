#include "res/DialogTemplates.h"
#include "res/resource.h"

#include <QtGlobal>
#include <array>

namespace zel::res {
namespace {

constexpr unsigned kCount = Bordered | AutoHScroll | ReadOnly;

// The message list and its heading are kept for the layout but never shown.
constexpr std::array kControls{
    //: Mailbox Statistics page, label, 87 x 8 dialog units (about 21 characters).
    ControlTemplate{IDC_STATISTICS_NEW_MESSAGES_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CStatisticsPage", "Number of new messages"), 7, 12, 87, 8,
                    NoStyle, 0, 0},
    //: Mailbox Statistics page, label, 100 x 8 dialog units (about 25 characters).
    ControlTemplate{IDC_STATISTICS_SAVED_MESSAGES_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CStatisticsPage", "Number of saved messages"), 7, 33, 100, 8,
                    NoStyle, 0, 0},
    //: Mailbox Statistics page, label, 100 x 8 dialog units (about 25 characters).
    ControlTemplate{IDC_STATISTICS_TOTAL_MESSAGES_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CStatisticsPage", "Total number of messages"), 7, 53, 100, 8,
                    NoStyle, 0, 0},
    //: Mailbox Statistics page, label, 100 x 8 dialog units (about 25 characters).
    ControlTemplate{IDC_STATISTICS_MAX_MESSAGES_LABEL, ControlKind::Label,
                    QT_TRANSLATE_NOOP("CStatisticsPage", "Max. stored messages"), 7, 92, 100, 8,
                    NoStyle, 0, 0},
    ControlTemplate{IDC_STATISTICS_NEW_MESSAGES, ControlKind::Edit, "", 113, 10, 40, 14, kCount, 0,
                    IDH_STATISTICS_NEW_MESSAGES},
    ControlTemplate{IDC_STATISTICS_SAVED_MESSAGES, ControlKind::Edit, "", 113, 31, 40, 14, kCount,
                    0, IDH_STATISTICS_SAVED_MESSAGES},
    ControlTemplate{IDC_STATISTICS_TOTAL_MESSAGES, ControlKind::Edit, "", 113, 51, 40, 14, kCount,
                    0, IDH_STATISTICS_TOTAL_MESSAGES},
    ControlTemplate{IDC_STATISTICS_MAX_MESSAGES, ControlKind::Edit, "", 113, 90, 40, 14, kCount, 0,
                    IDH_STATISTICS_MAX_MESSAGES},
    ControlTemplate{IDC_STATISTICS_MESSAGES_LIST, ControlKind::ReportList, "", 164, 10, 216, 145,
                    Bordered | Hidden, 0, 0},
    ControlTemplate{IDC_STATISTICS_MESSAGES_LIST_LABEL, ControlKind::CenteredLabel,
                    QT_TRANSLATE_NOOP("CStatisticsPage", "Messages list"), 233, 0, 78, 8, Hidden, 0,
                    0},
};

constexpr DialogTemplate kStatisticsPage{IDD_STATISTICS_PAGE,
                                         "CStatisticsPage",
                                         QT_TRANSLATE_NOOP("CStatisticsPage", "Mailbox Statistics"),
                                         387,
                                         162,
                                         "MS Sans Serif",
                                         8,
                                         ChildDialog,
                                         kControls};

} // namespace

const DialogTemplate& statisticsPage()
{
    return kStatisticsPage;
}

} // namespace zel::res
