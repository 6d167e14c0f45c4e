// @ts-check
// What a field of the main window takes of every edit: the module's rule
// (ui/Entrada.h): the first line of a paste or a drop, no character that
// draws nothing, a tab as a blank, and nothing where the field would hold
// too much, and then the module's message that names the field.

/**
 * @param {HTMLInputElement} campo
 * @param {(largo: number, seleccion: number, entrante: string, pegado: boolean) => string | null} regla
 *   the module's rule for this field (Modulo.entrada or entradaMotores)
 */
export function vigilarCampo(campo, regla) {
  campo.addEventListener('beforeinput', (e) => {
    if (!e.inputType.startsWith('insert') || e.inputType === 'insertCompositionText') return;
    let entrante = e.data;
    if (entrante == null && e.dataTransfer) entrante = e.dataTransfer.getData('text/plain');
    if (entrante == null) entrante = e.inputType === 'insertLineBreak' ? '\n' : '';
    const pegado = e.inputType === 'insertFromPaste' || e.inputType === 'insertFromDrop';
    const inicio = campo.selectionStart ?? campo.value.length;
    const fin = campo.selectionEnd ?? inicio;
    const tomado = regla(campo.value.length, fin - inicio, entrante, pegado);
    if (tomado === entrante) return;
    e.preventDefault();
    if (tomado !== null && (tomado || fin > inicio)) {
      campo.setRangeText(tomado, inicio, fin, 'end');
      campo.dispatchEvent(new Event('input', { bubbles: true }));
    }
  });
}
