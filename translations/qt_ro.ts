<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Inchidere</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschidere</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da pentru &amp;toate</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;u pentru toate</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandon</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reincercare</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorare</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetare</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Valori implicite</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Renuntare</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Nu salva</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Inchide fara salvare</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Salveaza tot</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Inchidere</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Inchide fara salvare</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Arata detaliile...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ascunde detaliile...</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Cauta in:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Inapoi</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Inapoi</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Inainte</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Inainte</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Dosarul parinte</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Mergi la dosarul parinte</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Dosar nou</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Creeaza un dosar nou</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Afiseaza dosarele ca lista</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detalii</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Afiseaza dosarele cu detalii</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bara laterala</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Locuri si semne de carte</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fisiere</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fisiere de tipul:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nume fisier:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Deschide</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salveaza</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Alege</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Toate fisierele (*)</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Arata coloana </translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Redenumeste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Sterge</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Arata fisierele &amp;ascunse</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Dosar &amp;nou</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Dosar nou</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Dosare</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Dosar:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Stergere</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Alegeti dosarul</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvare ca</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Sigur doriti sa stergeti &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; este protejat la scriere.
Doriti totusi sa il stergeti?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Dosarul nu a putut fi sters.</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Locuri recente</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Dosarul nu a fost gasit.
Verificati daca numele dosarului este scris corect.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 exista deja.
Doriti sa il inlocuiti?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fisierul nu a fost gasit.
Verificati daca numele fisierului este scris corect.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Calculatorul meu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Marime</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modificarii</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Unitate</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Dosar</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anuleaza</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refa</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Decupeaza</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiaza</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipeste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecteaza tot</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Selecteaza tot</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Mareste</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Mics&amp;oreaza</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Anuleaza</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refa</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Decupeaza</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiaza</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lipeste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sterge</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecteaza tot</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Copiaza adresa &amp;legaturii</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>%1 - [%2]</source>
        <translation>%1 - [%2]</translation>
    </message>
    <message>
        <source>- [%1]</source>
        <translation>- [%1]</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restabileste</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Muta</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Dimensiune</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizeaza</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximizeaza</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Mereu &amp;deasupra</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Inchide</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizeaza</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizeaza</translation>
    </message>
    <message>
        <source>Restore Down</source>
        <translation>Restabileste</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restabileste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Inchide</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meniu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Shade</source>
        <translation>Strange</translation>
    </message>
    <message>
        <source>Unshade</source>
        <translation>Desface</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Deruleaza la stanga</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Deruleaza la dreapta</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <translation>Deruleaza aici</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Marginea din stanga</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Sus</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Marginea din dreapta</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Jos</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>O pagina la stanga</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>O pagina in sus</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>O pagina la dreapta</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>O pagina in jos</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Deruleaza la stanga</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Deruleaza in sus</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Deruleaza la dreapta</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Deruleaza in jos</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>Alegeti culoarea</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>Nu&amp;anta:</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>&amp;Sat.:</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>&amp;Lum.:</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rosu:</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Verde:</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>Alb&amp;astru:</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>Canal a&amp;lfa:</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>Culori de &amp;baza</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>Culori &amp;personalizate</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>&amp;Adauga la culorile personalizate</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>Ia culoarea de pe &amp;ecran</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Cursorul la %1, %2
Apasati ESC pentru anulare</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Next page</source>
        <translation>Pagina urmatoare</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Pagina anterioara</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Prima pagina</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Ultima pagina</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Potriveste la latime</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Potriveste pagina</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Mareste</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Micsoreaza</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portret</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Peisaj</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>O singura pagina</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Pagini alaturate</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Toate paginile</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tiparire</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Configurare pagina</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Configurare pagina</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Previzualizare</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exporta in PDF</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Inchide</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 este un dosar.
Alegeti alt nume de fisier.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Pagini scrise gresit</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 nu este scris corect. Despartiti paginile si intervalele prin virgula, scrieti un interval ca doua numere despartite de cratima si aveti grija ca intervalele sa nu se suprapuna.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Setari fata-verso in conflict</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Unele setari de tiparire fata-verso sunt in conflict. Doriti sa le corectati?</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Optiunile &apos;Pagini pe foaie&apos; si &apos;Setul de pagini&apos; nu pot fi folosite impreuna.
Renuntati la una dintre ele.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tiparire</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Tipareste</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Optiuni &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Optiuni &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Tiparire in fisier (PDF)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Toate paginile</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Paginile impare</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Paginile pare</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Fisier local</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Scrie un fisier PDF</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Tiparire in fisier ...</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>In fisierul %1 nu se poate scrie.
Alegeti alt nume de fisier.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 exista deja.
Doriti sa il inlocuiti?</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>Valoarea &apos;de la&apos; nu poate fi mai mare decat valoarea &apos;la&apos;.</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>De la stanga la dreapta, de sus in jos</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>De la stanga la dreapta, de jos in sus</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>De la dreapta la stanga, de jos in sus</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>De la dreapta la stanga, de sus in jos</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>De jos in sus, de la stanga la dreapta</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>De jos in sus, de la dreapta la stanga</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>De sus in jos, de la stanga la dreapta</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>De sus in jos, de la dreapta la stanga</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>Imprimanta</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nume:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;roprietati</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Locatie:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Previzualizare</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Fisier de iesire:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Print range</source>
        <translation>Ce se tipareste</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Paginile de la</translation>
    </message>
    <message>
        <source>to</source>
        <translation>la</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Paginile</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Scrieti paginile sau intervalele despartite prin virgula. Un interval se scrie cu doua numere despartite de cratima. De exemplu, 3,5-7,9 tipareste paginile 3, 5, 6, 7 si 9.</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Pagina curenta</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selectia</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Setul de pagini:</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Setari de tiparire</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Exemplare:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Colationare</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Ordine inversa</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Exemplare</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Culoare</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Tonuri de gri</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Tiparire fata-verso</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Legare pe latura lunga</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Legare pe latura scurta</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optiuni</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Setari ale paginii in conflict</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Unele setari ale paginii sunt in conflict. Doriti sa le corectati?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Optiuni avansate in conflict</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Unele optiuni avansate sunt in conflict. Doriti sa le corectati?</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Proprietatile imprimantei</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Optiunile lucrarii</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansat</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansat</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Unele optiuni sunt in conflict. Corectati-le.</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Paper</source>
        <translation>Hartie</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Dimensiunea paginii:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Latime:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Inaltime:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Sursa hartiei:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientare</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portret</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Peisaj</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Peisaj inversat</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Portret inversat</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margini</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>marginea de sus</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>marginea din stanga</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>marginea din dreapta</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>marginea de jos</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Asezarea in pagina</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Ordinea paginilor:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Pagini pe foaie:</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetri (mm)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inci (in)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Puncte (pt)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizat</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Lucrare</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Controlul lucrarii</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Tiparire programata:</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Informatii de facturare:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioritatea lucrarii:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Pagini de separare</translation>
    </message>
    <message>
        <source>End:</source>
        <comment>Banner page at end</comment>
        <translation>La sfarsit:</translation>
    </message>
    <message>
        <source>Start:</source>
        <comment>Banner page at start</comment>
        <translation>La inceput:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Imediat</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Retine pana la alta comanda</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Ziua (06:00 - 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Noaptea (18:00 - 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Schimbul al doilea (16:00 - 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Schimbul al treilea (00:00 - 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Sfarsit de saptamana (sambata - duminica)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>La o anumita ora</translation>
    </message>
    <message>
        <source>None</source>
        <comment>CUPS Banner page</comment>
        <translation>Niciuna</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>CUPS Banner page</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <comment>CUPS Banner page</comment>
        <translation>Neclasificat</translation>
    </message>
    <message>
        <source>Confidential</source>
        <comment>CUPS Banner page</comment>
        <translation>Confidential</translation>
    </message>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>Clasificat</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Secret</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Strict secret</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 x 10 in)</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Plic C5</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Plic US 10</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Plic DL</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8,27 x 13 in)</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizat</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 Extra</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 Plus</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 mic</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 Extra</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 Extra</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter Extra</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter Plus</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter mic</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid Extra</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Architect A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Architect B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Architect C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Architect D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Architect E</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 in</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 x 10,5 in)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Carte postala</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Carte postala dubla</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K mare</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Hartie continua SUA (14,875 x 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Hartie continua germana (8,5 x 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Hartie continua germana Legal (8,5 x 13 in)</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Plic B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Plic B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Plic B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Plic C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Plic C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Plic C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Plic C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Plic C4</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Plic C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Plic C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Plic C7</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Plic US 9</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Plic US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Plic US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Plic US 14</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Plic Monarch</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Plic Personal</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Plic Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Plic Chou 4</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Plic invitatie</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Plic italian</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Plic Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Plic Kaku 3</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Plic PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Plic PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Plic PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Plic PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Plic PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Plic PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Plic PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Plic PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Plic PRC 9</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Plic PRC 10</translation>
    </message>
</context>
<context>
    <name>CloseButton</name>
    <message>
        <source>Close Tab</source>
        <translation>Inchide fila</translation>
    </message>
</context>
</TS>
