// CLstTrack: the page "内容道" of a content track: its title text, the scope and the title font,
// and its scale type with the left and right values of a logarithmic scale. It keeps the track
// it was made for; edited title fonts reach the tracks (and kits) of the chosen scope.
#pragma once

#include "framework/WndLst.h"
#include "hosttypes/Kestrel/StyleRecords.h"

class CWpKit;
class CWpTrack;

class CLstTrack : public CWndLst {
public:
    enum : DWORD_PTR {
        kTitleGroupId = 1001,
        kTitleTextId = 1002,
        kFontScopeId = 1003,
        kFontGroupId = 1004,
        kFontFaceId = 1005,
        kFontSizeId = 1006,
        kFontColorId = 1007,
        kScaleGroupId = 1008,
        kScaleTypeId = 1009,
        kLeftId = 1010,
        kRightId = 1011,
    };

    // The kit is kept as given; the page edits it only while it is a content track.
    explicit CLstTrack(CWpKit* kit = nullptr);
    ~CLstTrack() override;

protected:
    int InitPropWnd() override;
    void UpdateBCGPProperty(long object, CString name) override;
    LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam) override;

private:
    // The kept kit as a track, while the selection is a content track too; otherwise NULL.
    CWpTrack* Track() const;
    void ShowScale(CWpTrack* track);
    // False for a size the page refuses; nothing is written then.
    bool EditFont(CWpTrack* track, CBCGPProp* item);
    // False for a value the page refuses; nothing is written then.
    bool EditScaleValue(CWpTrack* track, CBCGPProp* item);
    // The title size or a scale value as the refresh shows it; answers 0.
    LRESULT ShowStored(CWpTrack* track, CBCGPProp* item);

    CWpKit* m_pKit;
};

// Gives the title font to the kits that the track's title-font scope names: 1 every content track
// of its well, 2 also every kit in those tracks; any other scope none. Counts are re-read before
// each step, and each kit is visited once.
void ApplyTrackTitleFont(CWpKit* track, const QXLOGFONT& font);
