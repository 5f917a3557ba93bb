<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>ColorRole</name>
    <message>
        <source>Face:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change the Face Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change the Highlight Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3d Light:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change the 3d Light Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D Light Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D Light color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change the Shadow Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Darkshadow:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change the Darkshadow Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DarkShadow Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Shadow color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change the Track Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change the Arrow Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ArrowColor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hover:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change the Hover Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hover Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hover color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change the Pressed Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressed Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressed color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Brisvane cannot read or save Projects: %1.<byte value="xd"/>
Colours can still be edited and their code generated.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameMessages</name>
    <message>
        <source>There is already a Project named: %1<byte value="xd"/>
You must choose a different Project Name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project file keeps its list of Projects under that name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Project Name must stay on one line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project file already holds an entry of that name, which the new Project would share.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Project cannot be named: %1<byte value="xd"/>
%2<byte value="xd"/>
You must choose a different Project Name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brisvane::ColorRows</name>
    <message>
        <source>%1 in the enlarged scrollbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># and six hexadecimal digits, or empty for the face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># and six hexadecimal digits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brisvane::ColorSetControls</name>
    <message>
        <source>thumb %1, arrows %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The thumb stands out from the track by only %1, less than the %2:1 that controls need.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arrows stand out from the face by only %1, less than the %2:1 that controls need.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hover %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The thumb under the pointer stands out from the track by only %1, less than the %2:1 that controls need.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arrows stand out from the hover face by only %1, less than the %2:1 that controls need.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressed %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The held thumb stands out from the track by only %1, less than the %2:1 that controls need.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arrows stand out from the pressed face by only %1, less than the %2:1 that controls need.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Dark Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the colors of the scrollbar in light mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the colors of the scrollbar in dark mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds or removes a second set of colors, which pages show in dark mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Dark Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to remove the Dark Set of colors.<byte value="xd"/>
Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Remove Dark Set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brisvane::FileCommands</name>
    <message>
        <source>The Project &quot;%1&quot; could not be saved in<byte value="xd"/>
%2:<byte value="xd"/>
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, has been Saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the current Scrollbar?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type in a Project Name to Save the current Scrollbar as.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current Scrollbar has not been saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type in a Project Name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to close Brisvane.<byte value="xd"/>
Do you want to save the current Scrollbar?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current Scrollbar has not been Saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Colors from Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Pages and Style Sheets (*.htm *.html *.css);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1, %2; no color has changed.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not every scrollbar color in %1 could be taken as it stands:%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brisvane::frmCode</name>
    <message>
        <source>Brisvane | Copy&apos;n&apos;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste the Brisvane generated code between the &lt;head&gt; Start tag and the &lt;/head&gt; End tag, for each of your web pages. (see the following example Web Page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brisvane generated code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic (IE 5.5+)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reach:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every scroll box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boxes matching:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reach of the code for every browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selector list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.<byte value="xd"/>
The code stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark theme:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark theme selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site&apos;s own dark theme, as a selector list, where the dark set applies instead of in the system&apos;s dark mode; empty for the system&apos;s dark mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chrome, Edge, Opera and Safari draw the classic scrollbar in all seven colors, as Internet Explorer 5.5 + does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firefox shows only the Face and Track colors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Code generated by Brisvane affects only Intenet Explorer 5.5 +. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors will not be visible and will not effect other Internet browsers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colorful Scrollbars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Hello World&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look at my Colorful Scrollbars!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code could not be copied to the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code has been copied<byte value="xd"/>
to the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cache folder could not be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview page could not be written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview page %1 was written, but no browser could be started to show it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brisvane::frmHelp</name>
    <message>
        <source>Brisvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quelmark Inc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brisvane | Documentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help pages lie beside the program, whose folder could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brisvane::frmHexErr</name>
    <message>
        <source>Hex Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You entered a NON-Hexadecimal Digit. These boxes will accept only the following Hexadecimal Digits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More info.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brisvane::frmMain</name>
    <message>
        <source>Enlarged Scrollbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Scrollbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This creates the copy&apos;n&apos;paste Style tag that you insert into any HTML file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the current Scrollbar back to default settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Brisvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Colors from Page...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Quelmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Project &quot;%1&quot; could not be created in<byte value="xd"/>
%2:<byte value="xd"/>
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Project %1 could not be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some colours of the Project &quot;%1&quot; are not colours in the project file:<byte value="xd"/>
%2They are shown as the colour fields leave them, and saving the Project stores them so.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brisvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brisvane | %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to Reset the current Scrollbar to default settings.<byte value="xd"/>
Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brisvane::frmOpen</name>
    <message>
        <source>Create/Open Scrollbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Colorful Scrollbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Existing Projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new ScrollBar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an existing Scrollbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Existing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Projects cannot be listed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must type in a Project Name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
