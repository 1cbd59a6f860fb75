#!/usr/bin/python3
"""Writes the help topics of Corvane into this folder: one small HTML page
per help context number, named <context>.htm. The wizard opens
help\\<context>.htm beside corvane.exe through the shell when the user
presses F1 or Help. The pages are committed; run this script again after
changing a text here:

    resources/help/make_help.py
"""

import html
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# Context number, title, paragraphs.
TOPICS = [
    (100, "About Corvane", [
        "Shows the version of Corvane. Open it from the wizard's window menu "
        "(click the icon at the left of the title bar, then About Corvane)."]),
    (101, "Processing Progress", [
        "Corvane is doing a long task, such as loading every component of the "
        "application one by one. Click Cancel to stop it; the results found so "
        "far are kept."]),
    (102, "Introduction", [
        "Explains what Corvane does. Clear the check box if you do not want to "
        "see this screen next time; hold down Shift while Corvane starts to see "
        "it again."]),
    (103, "Consider Restarting Windows", [
        "A problem that goes away after restarting Windows is often caused by "
        "Windows itself having run for a long time. Click Restart Windows to "
        "save your answers and restart now, or OK to go on without restarting."]),
    (104, "Consider Checking QuickTime", [
        "QuickTime has its own Control Panel that can check its installation. "
        "Run it before looking further into the application."]),
    (105, "Configuration Details", [
        "Shows the details behind one line of the minimum requirements: the "
        "Windows version numbers, or the video settings of this computer."]),
    (107, "Disk Drive Details", [
        "Lists the size and free space of each fixed disk, and how much space "
        "temporary files of Windows and the web browsers take. The Fix button "
        "of the minimum requirements page can delete those temporary files."]),
    (113, "Confirm File Copy", [
        "Corvane proposes to replace the file shown at the top with a copy from "
        "the installation disk or a backup. The current file is kept as a "
        "numbered backup first. Click Yes to replace it, No to leave it."]),
    (114, "Setting Details", [
        "Compares an INI file or Registry setting with what the application "
        "expects, and suggests what to do when they differ."]),
    (115, "Confirm Setting Fix", [
        "Corvane proposes to write a new value into an INI file or the "
        "Registry. Choose or type the value to write, then click Yes; click No "
        "to leave the setting as it is."]),
    (116, "OLE Registry Details", [
        "Compares the registration of an ActiveX control or OLE server with "
        "what the application expects. A wrong registration is usually mended "
        "by reinstalling or reregistering the component."]),
    (117, "Confirm OLE Registry Fix", [
        "Corvane proposes to rewrite the registration of an ActiveX control or "
        "OLE server. Click Yes to rewrite it, No to leave it."]),
    (118, "Type Library Registry Details", [
        "Compares the registration of a type library with what the application "
        "expects, and suggests what to do when they differ."]),
    (119, "Confirm Type Library Registry Fix", [
        "Corvane proposes to rewrite the registration of a type library. Click "
        "Yes to rewrite it, No to leave it."]),
    (120, "Confirm File Copy", [
        "A file the application needs is missing. Corvane proposes to copy it "
        "from the installation disk or a backup. Click Yes to copy it, No to "
        "leave it missing."]),
    (211, "Describe The Problem", [
        "A few questions about the problem. Your answers decide which checks "
        "Corvane runs and are included in the report for technical support. "
        "They are saved, so you can skip this section when they have not "
        "changed."]),
    (212, "Does Restarting Windows Change the Behavior?", [
        "Answer Yes if the problem goes away for a while after restarting "
        "Windows. Choose Don't know if you have not tried."]),
    (213, "Is the Problem Consistent?", [
        "Answer Yes if the problem happens every time you do the same thing."]),
    (214, "Is This the Only Application Misbehaving?", [
        "Answer No if other programs show problems too; that points to Windows, "
        "a driver or the hardware rather than the application."]),
    (215, "Does the Application Load?", [
        "Answer No if the application does not start or stops while starting. "
        "Corvane then loads each of its components one by one to find the one "
        "that fails."]),
    (216, "Did It Work Before?", [
        "Answer Yes if the application used to work and the problem started "
        "recently. The Check Recent Changes section then shows what has "
        "changed since."]),
    (217, "Does the Problem Involve QuickTime?", [
        "Answer Yes if the problem happens while playing video or sound "
        "through QuickTime."]),
    (218, "Symptoms", [
        "Tick every kind of problem you see. The list goes into the report for "
        "technical support."]),
    (221, "Check Application Configuration", [
        "Corvane compares this computer with what the application needs: the "
        "minimum requirements, its files, and its INI, Registry and component "
        "settings. Each page lists what it found; Fix mends what can be "
        "mended, Details tells more."]),
    (224, "Retry the Application Now", [
        "You have changed the application's configuration. Run the application "
        "now to see whether the problem is gone. If a change waits for Windows "
        "to restart, restart Windows first."]),
    (231, "Check Recent Changes", [
        "Corvane keeps a history of the application's files and settings. This "
        "section shows what changed since a date you choose, and lets you undo "
        "a change."]),
    (232, "Show Changes Since", [
        "Choose a date above the list to see every file and setting that "
        "changed since then. Show OK Only and Show All filter the list; "
        "Details compares the two states; Revert puts the earlier state "
        "back."]),
    (233, "Retry the Application Now", [
        "You have reverted changes. Run the application now to see whether the "
        "problem is gone; restart Windows first if a change waits for it."]),
    (241, "When All Else Fails", [
        "General advice for problems the checks did not find."]),
    (242, "Read Me File", [
        "The application's Read Me file often describes known problems and "
        "their solutions. Click Show Read Me to open it."]),
    (243, "General Software Problems", [
        "Other programs, a damaged installation, an out-of-date Windows or a "
        "virus can all make an application misbehave."]),
    (244, "General Hardware and Driver Problems", [
        "Out-of-date drivers and disk errors cause many problems. Update the "
        "drivers and check the disk."]),
    (245, "Safe Mode", [
        "In Safe Mode Windows loads only basic drivers. If the application "
        "works there, a driver is the likely cause."]),
    (251, "Contact Technical Support", [
        "How to reach the vendor's technical support. Have the Corvane report "
        "at hand; it is written when you click Finish."]),
    (261, "How to Contact Technical Support", [
        "The next pages ask for your details and a description of the problem; "
        "both go into the Corvane report."]),
    (262, "User Information", [
        "Your name and how technical support can reach you. The details are "
        "saved for the next time you run Corvane."]),
    (263, "Problem Information", [
        "Describe what you were doing, what went wrong (with the exact error "
        "message) and how to make it happen again. Up to 2048 characters."]),
    (264, "Contact Technical Support", [
        "How to reach the vendor's technical support. Click Finish to write "
        "the Corvane report, then send it if technical support asks for it."]),
    (266, "General Software Problems", [
        "Other programs, a damaged installation, an out-of-date Windows or a "
        "virus can all make an application misbehave."]),
    (267, "General Hardware and Driver Problems", [
        "Out-of-date drivers and disk errors cause many problems. Update the "
        "drivers and check the disk."]),
    (300, "Minimum Requirements", [
        "Compares this computer with the least the application needs: Windows "
        "version, processor, memory, disk space, display and more. Details "
        "shows more about some lines; Fix can free disk space by deleting "
        "temporary files."]),
    (301, "Program, DLL, Control and Driver Files", [
        "Lists each file of the application with its version, size and date "
        "against what the vendor expects. A wrong or missing file can often "
        "be replaced with Fix; the old file is kept as a backup. Show "
        "Problems hides the files that are fine."]),
    (302, "INI and Registry Settings", [
        "Lists each setting the application needs with its value against the "
        "expected one. Fix writes a correct value after you confirm it."]),
    (303, "Component Registrations", [
        "Lists the registrations of ActiveX controls, OLE servers and type "
        "libraries. Corvane cannot mend these itself: Details suggests how, "
        "usually by reinstalling or reregistering the component."]),
    (700, "Config.sys and Autoexec.bat", [
        "Shows the start-up files CONFIG.SYS and AUTOEXEC.BAT of drive C, one "
        "line per entry. A page stays empty when its file does not exist."]),
    (800, "File Details", [
        "General compares the file with what the vendor expects; Version shows "
        "the file's version information; Dependent Files lists the DLLs it "
        "needs."]),
]

PAGE = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>Corvane Help: {title}</title>
<style>body {{ font-family: Segoe UI, Tahoma, sans-serif; margin: 2em; max-width: 40em; }}</style>
</head>
<body>
<h1>{title}</h1>
{paragraphs}
<p><a href="index.htm">All help topics</a></p>
</body>
</html>
"""


def main():
    for name in os.listdir(HERE):
        if name.endswith(".htm"):
            os.remove(os.path.join(HERE, name))
    for context, title, paragraphs in TOPICS:
        body = "\n".join("<p>%s</p>" % html.escape(p) for p in paragraphs)
        with open(os.path.join(HERE, "%d.htm" % context), "w") as f:
            f.write(PAGE.format(title=html.escape(title), paragraphs=body))
    links = "\n".join('<li><a href="%d.htm">%s</a></li>' % (c, html.escape(t)) for c, t, _ in TOPICS)
    with open(os.path.join(HERE, "index.htm"), "w") as f:
        f.write(PAGE.format(title="Contents", paragraphs="<ul>\n%s\n</ul>" % links))


if __name__ == "__main__":
    main()
