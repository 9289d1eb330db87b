<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Data collection</source>
        <translation>Data collection</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Legal notices</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Copyright © 2022 Tolvane Corporation. All rights reserved.</source>
        <translation>Copyright © 2022 Tolvane Corporation. All rights reserved.</translation>
    </message>
    <message>
        <source>Tolvane and Vellumark are trademarks of Tolvane Corporation.</source>
        <translation>Tolvane and Vellumark are trademarks of Tolvane Corporation.</translation>
    </message>
</context>
<context>
    <name>BookletTab</name>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Booklet</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Left edge binding</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Right edge binding</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Booklet fold</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Finishing</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separation</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Offset jobs</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Rotate copies</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Tri-Fold</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Print side</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Direction of fold</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Number of sheets</translation>
    </message>
    <message>
        <source>Engineering Fold</source>
        <translation>Engineering Fold</translation>
    </message>
    <message>
        <source>Z-Fold</source>
        <translation>Z-Fold</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Bi-Fold</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Punch</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Punch Method:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Staple:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Staple method</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Staple location:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Media size</source>
        <translation>Media size</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Media type</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Collate</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Long edge</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Short edge</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Black &amp; white</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Print size</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Imaging</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Print quality</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Gloss mode</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>CIE optimization</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Halftone screen</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation>Tonerlite</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Full color</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Black &amp; white</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Adjustment</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Color reproduction</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Color conversion</translation>
    </message>
    <message>
        <source>TIR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Print grays with black toner</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Moire Prevention</translation>
    </message>
    <message>
        <source>600 dpi</source>
        <translation>600 dpi</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Job settings</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Access code</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Box number</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Job accounting</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Account ID List</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Use specific account ID</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Select account ID</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>Account ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>Account ID:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Job name</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Application defined</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Overwrite job name:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Use job name + date and time</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Replace existing file</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Job e-mail notification</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>User Login</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Job name:</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Access code:</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Edit Account ID</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Account ID Error</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>Account ID must be 1 to 8 numbers in length</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>This Account ID already exists.</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>Access code must be 4 numbers in length.</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Private print</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Custom box</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Enter a custom box number between 1 and 1000.</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 128 character limit.</source>
        <translation>The custom job name field requires a name within a 128 character limit.</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>You must add an account ID to the list.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>Value cannot contain the double quote (&quot;) character.</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>User name must be at least one character long.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.
For example: jane.doe@example.com</source>
        <translation>Enter the e-mail address in a valid format.
For example: jane.doe@example.com</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Proof and hold</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>New Account ID</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Legal Notices</translation>
    </message>
</context>
<context>
    <name>LoginExchange</name>
    <message>
        <source>The server answered %1 %2.</source>
        <translation>The server answered %1 %2.</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Password Prompt</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Please enter the root password.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Could not authorize.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Please enter your own password.</source>
        <translation>Please enter your own password.</translation>
    </message>
</context>
<context>
    <name>PerUserFolder</name>
    <message>
        <source>The settings folder %1 is a link to another place.</source>
        <translation>The settings folder %1 is a link to another place.</translation>
    </message>
    <message>
        <source>The settings folder %1 is not a folder.</source>
        <translation>The settings folder %1 is not a folder.</translation>
    </message>
    <message>
        <source>The settings folder %1 belongs to another account.</source>
        <translation>The settings folder %1 belongs to another account.</translation>
    </message>
    <message>
        <source>The settings folder %1 can be changed by other accounts.</source>
        <translation>The settings folder %1 can be changed by other accounts.</translation>
    </message>
    <message>
        <source>The settings folder %1 cannot be examined.</source>
        <translation>The settings folder %1 cannot be examined.</translation>
    </message>
    <message>
        <source>Nothing was read or written there. Have it removed or put right, then start the program again.</source>
        <translation>Nothing was read or written there. Have it removed or put right, then start the program again.</translation>
    </message>
    <message>
        <source>The settings folder %1 could be changed by other accounts. Now only you can change it.</source>
        <translation>The settings folder %1 could be changed by other accounts. Now only you can change it.</translation>
    </message>
    <message>
        <source>These files in the settings folder %1 could be changed by other accounts, so they were not read. They are kept, readable by you alone, under new names:</source>
        <translation>These files in the settings folder %1 could be changed by other accounts, so they were not read. They are kept, readable by you alone, under new names:</translation>
    </message>
    <message>
        <source>Check such a file before you give it its old name again.</source>
        <translation>Check such a file before you give it its old name again.</translation>
    </message>
    <message>
        <source>%1 (not set aside)</source>
        <translation>%1 (not set aside)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>These files in the settings folder %1 could be changed by other accounts, so they were not read. They could not be set aside, and other accounts may still read and change them:</source>
        <translation>These files in the settings folder %1 could be changed by other accounts, so they were not read. They could not be set aside, and other accounts may still read and change them:</translation>
    </message>
    <message>
        <source>Check such a file, then remove it or make it readable by you alone.</source>
        <translation>Check such a file, then remove it or make it readable by you alone.</translation>
    </message>
</context>
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Installed options</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Root access is required to make changes to installable options</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>No Tolvane printer is installed.</source>
        <translation>No Tolvane printer is installed.</translation>
    </message>
    <message>
        <source>The printing system (CUPS) is not answering.</source>
        <translation>The printing system (CUPS) is not answering.</translation>
    </message>
    <message>
        <source>Waiting for the printing system (CUPS)...</source>
        <translation>Waiting for the printing system (CUPS)...</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Select profile:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Factory Default</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Save Profiles</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Edit Profile</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Finishing</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Imaging</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publishing</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Watermark</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Private print</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Custom box</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Custom watermark</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Black &amp; white</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Print size</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Media type</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Collate</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Booklet</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separation</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Folding mode</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Folding side</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Folding direction</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Folding method</translation>
    </message>
    <message>
        <source>Z-Folding direction</source>
        <translation>Z-Folding direction</translation>
    </message>
    <message>
        <source>Z-Folding method</source>
        <translation>Z-Folding method</translation>
    </message>
    <message>
        <source>Bi-Folding side</source>
        <translation>Bi-Folding side</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Bi-Fold folding method</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Staple</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Staple method</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Punch</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Gloss mode</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>CIE optimization</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Halftone screen</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Tonerlite</source>
        <translation>Tonerlite</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Color Balance</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Color adjustment</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Monochrome adjustment</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Color mode</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Color reproduction</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Color conversion</translation>
    </message>
    <message>
        <source>TIR</source>
        <translation>TIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Print grays with black toner</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Moire Prevention</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Cover mode</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Page insert</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Transparency interleaving</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Job settings</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Job accounting</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Job name</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Job e-mail notification</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>User login</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Edit Profile</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>A profile named &quot;%1&quot; already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>The profile could not be saved.</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Save Profile</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>This name is reserved</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>You must enter a profile name</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>The profile could not be saved.</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>The profile could not be added. A maximum profile count of 25 has been reached.</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Please type a page range.</source>
        <translation>Please type a page range.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Please enter your specified pages.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>You can only insert up to 50 pages.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>You can only enter page numbers between 3 and 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>You can only enter page numbers between 2 and 511</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publishing</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Cover mode:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Page insert:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Transparency interleaving:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Front and back</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Print onto:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Paper source for front cover:</source>
        <translation>Paper source for front cover:</translation>
    </message>
    <message>
        <source>Paper source for back cover:</source>
        <translation>Paper source for back cover:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Print onto front</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Print onto back</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Insert before pages:</translation>
    </message>
    <message>
        <source>Paper source for page:</source>
        <translation>Paper source for page:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Print onto backing</translation>
    </message>
    <message>
        <source>Paper source for backing:</source>
        <translation>Paper source for backing:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Error: Printer does not exist or lpstat failed.</translation>
    </message>
</context>
<context>
    <name>SNTTab</name>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Login user name</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>No notifications for policy conflicts</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Continue printing</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Cancel printing</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>Server, Port, and Login user information must be filled out.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>You must click Verify after making changes.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Unable to connect to the server.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Login failed. The user name or password you entered is incorrect.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Server and user credentials have been authenticated and policies have been applied.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Credentials and policies will be checked again during printing.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>You do not have permission to print.</translation>
    </message>
    <message>
        <source>The server %1 presents a certificate that no trusted authority vouches for.</source>
        <translation>The server %1 presents a certificate that no trusted authority vouches for.</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint:</source>
        <translation>SHA-256 fingerprint:</translation>
    </message>
    <message>
        <source>Do you trust this server?</source>
        <translation>Do you trust this server?</translation>
    </message>
    <message>
        <source>The certificate of the server %1 has changed since you trusted it. Someone may be intercepting the connection.</source>
        <translation>The certificate of the server %1 has changed since you trusted it. Someone may be intercepting the connection.</translation>
    </message>
    <message>
        <source>New SHA-256 fingerprint:</source>
        <translation>New SHA-256 fingerprint:</translation>
    </message>
    <message>
        <source>Previously trusted fingerprint:</source>
        <translation>Previously trusted fingerprint:</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>The server did not answer in time.</translation>
    </message>
    <message>
        <source>The server %1 presents a certificate that a trusted authority issued for another host name.</source>
        <translation>The server %1 presents a certificate that a trusted authority issued for another host name.</translation>
    </message>
    <message>
        <source>Previously, a trusted authority vouched for the server&apos;s certificate.</source>
        <translation>Previously, a trusted authority vouched for the server&apos;s certificate.</translation>
    </message>
    <message>
        <source>The record of the servers you trusted could not be read safely, so the certificate you trusted before is not known.</source>
        <translation>The record of the servers you trusted could not be read safely, so the certificate you trusted before is not known.</translation>
    </message>
</context>
<context>
    <name>TelemetryDialog</name>
    <message>
        <source>Data Collection</source>
        <translation>Data Collection</translation>
    </message>
    <message>
        <source>We ask you to help improve our application and/or products by providing usage information.</source>
        <translation>We ask you to help improve our application and/or products by providing usage information.</translation>
    </message>
    <message>
        <source>The application DOES NOT collect any personal data.</source>
        <translation>The application DOES NOT collect any personal data.</translation>
    </message>
    <message>
        <source>Regarding data collection, please read the PRIVACY POLICY as follows.</source>
        <translation>Regarding data collection, please read the PRIVACY POLICY as follows.</translation>
    </message>
    <message>
        <source>Yes, I want to help improve your products</source>
        <translation>Yes, I want to help improve your products</translation>
    </message>
    <message>
        <source>No, I do not wish to take part in this feature</source>
        <translation>No, I do not wish to take part in this feature</translation>
    </message>
</context>
<context>
    <name>TolDialog</name>
    <message>
        <source>Please do not run %1 as root.</source>
        <translation>Please do not run %1 as root.</translation>
    </message>
    <message>
        <source>Tolvane Vellumark</source>
        <translation>Tolvane Vellumark</translation>
    </message>
    <message>
        <source>Vellumark</source>
        <translation>Vellumark</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Error: Printer does not exist or lpoptions failed.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Settings applied.</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Select a printer.</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>The settings could not be saved.</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>It looks like your installed printers have changed.
Reloading list now.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Password Prompt</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Save As...</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profiles</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>The printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</source>
        <translation>The printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</translation>
    </message>
    <message>
        <source>The settings were not applied: the printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</source>
        <translation>The settings were not applied: the printing system (CUPS) is not answering.
The printer list will be filled again as soon as it answers.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Watermark</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Custom watermark:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Repeat watermark</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Watermark/Stamp</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super watermark</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Lightness</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Adjustment Settings</source>
        <translation>Adjustment Settings</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL(hue, saturation and lightness)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Color balance</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Hue Adjustment</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Color levels</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Adjustment Settings</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrast</translation>
    </message>
</context>
<context>
    <name>tcurl</name>
    <message>
        <source>The server did not answer in time.</source>
        <translation>The server did not answer in time.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is too large.</source>
        <translation>The server&apos;s answer is too large.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted.</source>
        <translation>The server&apos;s certificate is not trusted.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is broken.</source>
        <translation>The server&apos;s answer is broken.</translation>
    </message>
</context>
</TS>
