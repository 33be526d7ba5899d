#include "registry/SampleRegistry.h"

namespace plevo {

// Invented senders: a few domains with sub-domains, duplicates, an address next to its domain,
// one sender in two letter cases and a free-mail domain that belongs on the safe list.
std::string_view sampleRegistryText() {
    static constexpr std::string_view kSample = R"REG(
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Identities]
"Default User ID"="{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}"
"Last User ID"="{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}"
"Last Username"="Main Identity"

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}]
"Username"="Main Identity"
"User ID"="{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}"

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software]

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft]

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express]

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0]
"VerStamp"=dword:00000003
"SpellDontIgnoreDBCS"=dword:00000001
"MSIMN"=dword:00000001
"StoreMigratedV5"=dword:00000001
"ConvertedToDBX"=dword:00000001
"Settings Upgraded"=dword:00000007
"Running"=dword:00000000
"PrevToolbarTextStyle"=dword:00000001
"Outlook Bar Settings"=hex:07,00,00,00,3b,00,00,00,6f,00,00,00,a3,00,00,00,d7,\
  00,00,00,0b,00,00,00,3f,00,00,00,73,00,00,00,a7,00,00,00,db,00,00,00,0f,00,\
  00,00
"Migration Done"=dword:00000001
"Saved Toolbar Settings"=hex:0e,00,00,00,42,00,00,00,76,00,00,00,aa,00,00,00,\
  de,00,00,00,12,00,00,00
"Saved Toolbar Settings Version"=dword:00000011
"Browser Bands"=hex:15,00,00,00,49,00,00,00,7d,00,00,00,b1,00,00,00,e5,00,00,\
  00,19,00,00,00,4d,00,00,00,81,00,00,00,b5,00,00,00,e9,00,00,00,1d,00,00,00,\
  51,00,00,00,85,00,00,00,b9,00,00,00
"ShowToolbarIEAK"=dword:00000001
"Toolbar Text"=dword:00000001
"Toolbar Icon Size"=dword:00000001
"BodyBarPos"=dword:00000000
"Nav Pane Width"=dword:000000c8
"Nav Pane Split"=dword:00000042
"Contact Pane Sorting"=dword:00000000
"BrowserPos"=hex:1c,00,00,00,50,00,00,00,84,00,00,00,b8,00,00,00,ec,00,00,00,\
  20,00,00,00,54,00,00,00,88,00,00,00,bc,00,00,00,f0,00,00,00,24,00,00,00
"ShowStatus"=dword:00000001
"HideFolderBar"=dword:00000000
"Tree"=dword:00000001
"Tip of the Day"=dword:00000001
"ShowBodyBar"=dword:00000000
"Show Outlook Bar"=dword:00000000
"Show Contacts"=dword:00000001
"SpoolerDlgPos"=hex:23,00,00,00,57,00,00,00,8b,00,00,00,bf,00,00,00,f3,00,00,\
  00,27,00,00,00,5b,00,00,00,8f,00,00,00,c3,00,00,00,f7,00,00,00,2b,00,00,00
"SpoolerTack"=dword:00000000
"Compact Check Count"=dword:00000002

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders]
"Version"=dword:00050000

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail]

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria]
"Order"="000 001 002 003 004 005 006 007 008 009 00A 00B 00C 00D 00E 00F 010 011 012 013 014 015 016 017 018 019 01A 01B 01C 01D"

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\000]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="offers@bargain-mail.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\001]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="deals@bargain-mail.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\002]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="offers@bargain-mail.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\003]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="bargain-mail.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\004]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="promo@shop.bargain-mail.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\005]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="winner@prize-draw.example.com"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\006]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="claims@prize-draw.example.com"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\007]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="news@eu.prize-draw.example.com"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\008]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="support@cheap-pills.example.net"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\009]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="sales@mail.cheap-pills.example.net"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\00A]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="sales@mail.cheap-pills.example.net"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\00B]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="cheap-pills.example.net"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\00C]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="info@lottery-notice.test"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\00D]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="agent@uk.lottery-notice.test"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\00E]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="john.smith@freemail.example.org"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\00F]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="anna.k@freemail.example.org"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\010]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="loans@quick-credit.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\011]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="loans@offers.quick-credit.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\012]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="Loans@Quick-Credit.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\013]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="newsletter@daily-digest.example.com"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\014]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="digest@a.b.daily-digest.example.com"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\015]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="reply@survey-rewards.invalid"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\016]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="survey-rewards.invalid"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\017]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="bounce@mx2.bulk-sender.example.net"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\018]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="bounce@mx3.bulk-sender.example.net"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\019]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="admin@bulk-sender.example.net"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\01A]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="bonus@lucky-spins.test"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\01B]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="spins@vip.lucky-spins.test"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\01C]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="deals@bargain-mail.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\Mail\Criteria\01D]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="watches@replica-store.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\News]

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\News\Criteria]
"Order"="000 001 002 003"

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\News\Criteria\000]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="spam@newsgroup-ads.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\News\Criteria\001]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="poster@binaries.newsgroup-ads.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\News\Criteria\002]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="newsgroup-ads.example"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Block Senders\News\Criteria\003]
"Flags"=dword:00000000
"Logic"=dword:00000001
"Type"=dword:00000017
"Value"="troll@forum-noise.test"
"ValueType"=dword:0000001e

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Mail]
"Welcome Message"=dword:00000000
"Accounts Checked"=dword:00000001
"Safe Attachments"=dword:00000001
"Secure Safe Attachments"=dword:00000001
"ShowHybridView"=dword:00000001
"Show Header Info"=dword:00000001
"SplitDir"=dword:00000000
"SplitHorzPct"=dword:00000032
"SplitVertPct"=dword:00000032
"Default_CodePage"=dword:00006faf

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\News]
"Accounts Checked"=hex:00,00,00,00
"ShowHybridView"=dword:00000001
"Show Header Info"=dword:00000001
"SplitDir"=dword:00000000
"SplitHorzPct"=dword:00000032
"SplitVertPct"=dword:00000032

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Recent Stationery List]
"File0"="Clear Day.htm"
"File1"="Nature.htm"
"File2"="Maize.htm"
"File3"="Sunflower.htm"
"File4"="Citrus Punch.htm"
"File5"="Blank.htm"
"File6"="Leaves.htm"

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Rules]

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Rules\Mail]
"Version"=dword:00050000
"Order"="000"

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Rules\Mail\000]
"Name"="New Mail Rule #1"
"Enabled"=dword:00000001
"Version"=dword:00000001

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Rules\Mail\000\Actions]
"Order"="000"

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Rules\Mail\000\Actions\000]
"Type"=dword:00000007
"Flags"=dword:00000000

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Rules\Mail\000\Criteria]
"Order"="000"

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Rules\Mail\000\Criteria\000]
"Type"=dword:0000000c
"Logic"=dword:00000000
"Flags"=dword:00000000
"ValueType"=dword:00000041
"Value"=hex:6e,65,77,00,00,00

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Rules\News]
"Version"=dword:00050000

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Trident]

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Trident\Main]

[HKEY_CURRENT_USER\Identities\{7C2A9E41-3B5D-4F86-9A10-E2D4C6B8F0A3}\Software\Microsoft\Outlook Express\5.0\Trident\Settings]

)REG";
    return kSample.substr(1);  // the line break after the opening delimiter
}

}  // namespace plevo
